// The line format of the official days off and make-up working days.
#include "resources/rest_day_lines.h"

#include <charconv>
#include <set>

#include "calendar/utf8.h"

namespace dovrin {
namespace {

constexpr std::size_t LongestLine = 200;  // bytes; a real line has about 30

bool ParseDigits(std::string_view text, std::int32_t& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// YYYY-MM-DD of a real Gregorian day.
bool ParseIsoDate(std::string_view text, CivilDate& date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    return ParseDigits(text.substr(0, 4), date.year) && ParseDigits(text.substr(5, 2), date.month) &&
           ParseDigits(text.substr(8, 2), date.day) && IsValidDate(date.year, date.month, date.day);
}

// 'text', built piece by piece: g++ 12 warns falsely of overlapping copies in "'" + text.
std::string Quoted(std::string_view text)
{
    std::string quoted(1, '\'');
    quoted += text;
    quoted += '\'';
    return quoted;
}

// Why the line cannot be used, or "" when `line` holds it.
std::string ReadLine(std::string_view text, RestDayLine& line)
{
    if (text.size() > LongestLine) return "the line is longer than " + std::to_string(LongestLine) + " bytes";
    if (!IsValidUtf8(text)) return "the line is not UTF-8 text";
    const std::vector<std::string> fields = SplitAt(text, "\t");
    if (fields.size() != 3) return "expected three fields separated by tabs: date, 休 or 班, holiday";
    return ReadRestDayFields(fields[0], fields[1], fields[2], line);
}

}  // namespace

std::string ReadRestDayFields(std::string_view date, std::string_view kind, std::string_view holiday, RestDayLine& line)
{
    if (!ParseIsoDate(date, line.date)) return Quoted(date) + " is not a date of the form YYYY-MM-DD";
    if (kind == "休")
        line.kind = DayOff::Rest;
    else if (kind == "班")
        line.kind = DayOff::Work;
    else
        return Quoted(kind) + " is neither 休 nor 班";
    const std::int32_t weekday = WeekdayOfDate(line.date.year, line.date.month, line.date.day);
    if (line.kind == DayOff::Work && weekday != 1 && weekday != 7)
        return "班 on " + std::string(date) + ", which is no Saturday or Sunday";
    if (holiday.empty()) return "the holiday is missing";
    if (holiday.size() > LongestLine || !IsValidUtf8(holiday, false))
        return "the holiday is no UTF-8 text of at most " + std::to_string(LongestLine) +
               " bytes without control characters";
    line.holiday = holiday;
    return {};
}

RestDayLines ParseRestDayLines(std::string_view text, std::string_view name, bool inOrder)
{
    RestDayLines result;
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
        const std::int64_t day = why.empty() ? DayNumber(line.date.year, line.date.month, line.date.day) : 0;
        if (why.empty() && seen.count(day)) why = IsoDate(line.date) + " is given twice";
        if (why.empty() && inOrder && day < last) why = IsoDate(line.date) + " comes before the date above it";
        if (!why.empty()) {
            result.errors.push_back(std::string(name) + ":" + std::to_string(number) + ": " + why);
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
