// The line format of the official days off and make-up working days.
#include "resources/rest_day_lines.h"

#include <charconv>
#include <set>

#include "calendar/span.h"
#include "calendar/utf8.h"
#include "resources/messages.h"

namespace dovrin {
namespace {

constexpr std::size_t LongestLine = 200;  // bytes; a real line has about 30

bool ParseDigits(std::string_view text, std::int32_t& value)
{
    if (text.find_first_not_of("0123456789") != std::string_view::npos) return false;  // from_chars takes a '-'
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

std::int64_t DayOf(CivilDate date)
{
    return DayNumber(date.year, date.month, date.day);
}

// Why the line cannot be used, or "" when `line` holds it.
std::string ReadLine(std::string_view text, RestDayLine& line)
{
    if (text.size() > LongestLine)
        return Format(_("the line is longer than {1} bytes"), {std::to_string(LongestLine)});
    if (!IsValidUtf8(text)) return _("the line is not UTF-8 text");
    if (!IsValidUtf8(ReplaceAll(std::string(text), "\t", " "), false))
        return Format(_("the line holds a control character: {1}"), {Printable(text)});
    const std::vector<std::string> fields = SplitAt(text, "\t");
    if (fields.size() != 3) return _("expected three fields separated by tabs: date, 休 or 班, holiday");
    return ReadRestDayFields(fields[0], fields[1], fields[2], line);
}

}  // namespace

bool ParseIsoDate(std::string_view text, CivilDate& date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    return ParseDigits(text.substr(0, 4), date.year) && ParseDigits(text.substr(5, 2), date.month) &&
           ParseDigits(text.substr(8, 2), date.day);
}

std::string CheckRestDay(const RestDayLine& line)
{
    const CivilDate& date = line.date;
    if (!IsValidDate(date.year, date.month, date.day))
        return Format(_("'{1}' is not a date of the form YYYY-MM-DD"), {IsoDate(date)});
    if (DayOf(date) < DayOf(FirstCoveredDay) || DayOf(date) > DayOf(LastCoveredDay))
        return Format(_("{1} lies outside the calendar's span {2}..{3}"),
                      {IsoDate(date), IsoDate(FirstCoveredDay), IsoDate(LastCoveredDay)});
    const std::int32_t weekday = WeekdayOfDate(date.year, date.month, date.day);
    if (line.kind == DayOff::Work && weekday != 1 && weekday != 7)
        return Format(_("班 on {1}, which is no Saturday or Sunday"), {IsoDate(date)});
    if (line.holiday.empty()) return _("the holiday is missing");
    if (!IsValidUtf8(line.holiday, false))
        return Format(_("the holiday's name is not UTF-8 text without control characters: {1}"),
                      {Printable(line.holiday)});
    return {};
}

std::string ReadRestDayFields(std::string_view date, std::string_view kind, std::string_view holiday, RestDayLine& line)
{
    if (!ParseIsoDate(date, line.date))
        return Format(_("'{1}' is not a date of the form YYYY-MM-DD"), {Printable(date)});
    if (kind == "休")
        line.kind = DayOff::Rest;
    else if (kind == "班")
        line.kind = DayOff::Work;
    else
        return Format(_("'{1}' is neither 休 nor 班"), {Printable(kind)});
    if (holiday.size() > LongestLine)
        return Format(_("the holiday's name is longer than {1} bytes"), {std::to_string(LongestLine)});
    line.holiday = holiday;
    return CheckRestDay(line);
}

RestDayLines ParseRestDayLines(std::string_view text, std::string_view name, bool inOrder)
{
    RestDayLines result;
    const std::string shownName = Printable(name);
    std::set<std::int64_t> seen;
    std::int64_t last = 0;
    std::size_t number = 0;
    for (std::string_view raw : SplitAt(text, "\n")) {
        ++number;
        std::string_view body = raw;
        if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
        if (body.empty() || body.front() == '#') continue;
        RestDayLine line;
        std::string why = ReadLine(body, line);
        const std::int64_t day = why.empty() ? DayOf(line.date) : 0;
        if (why.empty() && seen.count(day)) why = Format(_("{1} is given twice"), {IsoDate(line.date)});
        if (why.empty() && inOrder && day < last)
            why = Format(_("{1} comes before the date above it"), {IsoDate(line.date)});
        if (!why.empty()) {
            result.errors.push_back(shownName + ":" + std::to_string(number) + ": " + why);
            continue;
        }
        seen.insert(day);
        last = day;
        result.lines.push_back(std::move(line));
    }
    return result;
}

std::string RestDayLineText(const RestDayLine& line)
{
    return IsoDate(line.date) + (line.kind == DayOff::Work ? "\t班\t" : "\t休\t") + line.holiday + "\n";
}

}  // namespace dovrin
