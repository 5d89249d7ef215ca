// The line format of the official days off and make-up working days.
#include "resources/rest_day_lines.h"

#include <set>

#include "calendar/span.h"
#include "calendar/utf8.h"
#include "resources/messages.h"

namespace dovrin {
namespace {

constexpr std::size_t LongestLine = 200;  // bytes; a real line has about 30

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

std::string CheckRestDay(const RestDayLine& line)
{
    const CivilDate& date = line.date;
    if (!date.IsValid()) return Format(_("'{1}' is not a date of the form YYYY-MM-DD"), {IsoDate(date)});
    if (date < FirstCoveredDay || date > LastCoveredDay)
        return Format(_("{1} lies outside the calendar's span {2}..{3}"),
                      {IsoDate(date), IsoDate(FirstCoveredDay), IsoDate(LastCoveredDay)});
    if (line.kind == DayOff::Work && !date.IsWeekend())
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
    if (kind == DayOffMark(DayOff::Rest))
        line.kind = DayOff::Rest;
    else if (kind == DayOffMark(DayOff::Work))
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
    std::set<CivilDate> seen;
    CivilDate last;
    std::size_t number = 1;
    for (std::size_t at = 0; at <= text.size(); ++number) {
        // Lines end in LF or CR LF; a CR that ends the text goes too.
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view body = text.substr(at, end - at);
        if (body.ends_with('\r')) body.remove_suffix(1);
        at = end + 1;
        if (body.empty() || body.front() == '#') continue;
        RestDayLine line;
        std::string why = ReadLine(body, line);
        if (why.empty()) why = GivenTwice(seen, line.date);
        if (why.empty() && inOrder && line.date < last)
            why = Format(_("{1} comes before the date above it"), {IsoDate(line.date)});
        if (!why.empty()) {
            result.errors.push_back(LineError(name, number, why));
            continue;
        }
        last = line.date;
        result.lines.push_back(std::move(line));
    }
    return result;
}

std::int32_t NoticeYearOf(CivilDate date)
{
    return date.year + (date.month == 12 ? 1 : 0);
}

std::string LineError(std::string_view name, std::size_t line, std::string_view why)
{
    return Printable(name) + ":" + std::to_string(line) + ": " + std::string(why);
}

std::string GivenTwice(std::set<CivilDate>& seen, CivilDate date)
{
    if (seen.insert(date).second) return {};
    return Format(_("{1} is given twice"), {IsoDate(date)});
}

std::string RestDayLineText(const RestDayLine& line)
{
    return IsoDate(line.date) + "\t" + DayOffMark(line.kind) + "\t" + line.holiday + "\n";
}

}  // namespace dovrin
