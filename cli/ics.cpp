// iCalendar export: the events, written as RFC 5545 content lines.
#include "ics.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "named_days.h"

namespace dovrin::cli {
namespace {

constexpr std::size_t LineOctets = 75;  // a line of the file at most, a folding space included

// A TEXT value as RFC 5545 writes it: backslash, semicolon, comma and line feed escaped.
// Every text of the file goes through here, the calendar's name too.
std::string IcsText(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\\' || c == ';' || c == ',') out += '\\';
        out += c;
    }
    return out;
}

// Where a content line longer than a line of the file is folded: after the last space, ';'
// or ':' that fits, else before the last character that fits whole.
std::size_t FoldPoint(std::string_view line)
{
    for (std::size_t at = LineOctets - 2; at > 0; --at)
        if (line[at] == ' ' || line[at] == ';' || line[at] == ':') return at + 1;
    for (std::size_t at = LineOctets - 1; at > 0; --at)
        if ((static_cast<unsigned char>(line[at]) & 0xC0) != 0x80) return at;  // not a continuation byte
    return LineOctets - 1;
}

// NAME:VALUE folded into lines of at most 75 octets, each further line starting with a
// space; CR LF line ends.
void AppendLine(std::string& out, std::string_view name, std::string_view value)
{
    const std::string line = std::string(name) + ":" + std::string(value);
    std::string_view rest = line;
    for (bool first = true; !rest.empty(); first = false) {
        const std::size_t take = rest.size() < LineOctets ? rest.size() : FoldPoint(rest);
        if (!first) out += "\r\n ";
        out += rest.substr(0, take);
        rest.remove_prefix(take);
    }
    out += "\r\n";
}

// YYYYMMDDTHHMMSSZ.
std::string UtcStamp(std::int64_t utcSeconds)
{
    using namespace std::chrono;
    const sys_seconds time{seconds{utcSeconds}};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss<seconds> clock{time - day};
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

CivilDate NextDay(CivilDate date)
{
    return DateOfDayNumber(DayNumber(date.year, date.month, date.day) + 1);
}

std::string Compact(CivilDate date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

const char* KindKey(NamedDayKind kind)
{
    switch (kind) {
    case NamedDayKind::Lunar: return "lunar";
    case NamedDayKind::SolarTerm: return "term";
    case NamedDayKind::Gregorian: return "gregorian";
    case NamedDayKind::Week: return "week";
    case NamedDayKind::DaysOff: return "off";
    case NamedDayKind::WorkDay: return "work";
    }
    return "day";
}

std::string LunarTextOf(CivilDate day)
{
    clsDate date;
    date.sInitDate(day.year, day.month, day.day);
    return LunarDateText(date);
}

}  // namespace

std::string TextKey(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return key;
}

std::string IcsCalendar(const std::vector<CalendarEvent>& events, std::int64_t utcSeconds, std::string_view name)
{
    std::string out;
    AppendLine(out, "BEGIN", "VCALENDAR");
    AppendLine(out, "VERSION", "2.0");
    AppendLine(out, "PRODID", IcsText("-//Dovrin//dovrin-cal " DOVRIN_VERSION "//ZH"));
    AppendLine(out, "CALSCALE", "GREGORIAN");
    AppendLine(out, "METHOD", "PUBLISH");
    AppendLine(out, "X-WR-CALNAME", IcsText(name));
    const std::string stamp = UtcStamp(utcSeconds);
    for (const CalendarEvent& event : events) {
        AppendLine(out, "BEGIN", "VEVENT");
        AppendLine(out, "UID", IcsText(event.uid));
        AppendLine(out, "DTSTAMP", stamp);
        AppendLine(out, "DTSTART;VALUE=DATE", Compact(event.first));
        AppendLine(out, "DTEND;VALUE=DATE", Compact(NextDay(event.last)));
        AppendLine(out, "SUMMARY", IcsText(event.summary));
        for (const std::string& category : event.categories) AppendLine(out, "CATEGORIES", IcsText(category));
        if (!event.description.empty()) AppendLine(out, "DESCRIPTION", IcsText(event.description));
        AppendLine(out, "TRANSP", "TRANSPARENT");
        AppendLine(out, "END", "VEVENT");
    }
    AppendLine(out, "END", "VCALENDAR");
    return out;
}

std::vector<CalendarEvent> NamedDayEvents(CivilDate first, CivilDate last)
{
    std::vector<CalendarEvent> events;
    for (NamedDay& day : NamedDays(first, last)) {
        CalendarEvent event;
        event.uid = Compact(day.first) + "-" + KindKey(day.kind) + "-" + TextKey(day.text) + "@dovrin";
        event.first = day.first;
        event.last = day.last;
        event.categories = {day.kind == NamedDayKind::SolarTerm ? "节气" : "节日"};
        event.description = LunarTextOf(day.first);
        if (!day.instant.empty())
            event.description += "\n交节时刻 " + IsoDate(day.first) + " " + InstantMinute(day.instant) + "（北京时间）";
        event.summary = std::move(day.text);
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<CalendarEvent> DaysOffEvents(CivilDate first, CivilDate last, const RestDays& restDays)
{
    std::vector<CalendarEvent> events;
    for (const RestDayPeriod& period : restDays.Periods(first, last)) {
        const bool off = period.kind == DayOff::Rest;
        CalendarEvent event;
        event.uid = Compact(period.first) + "-" + KindKey(off ? NamedDayKind::DaysOff : NamedDayKind::WorkDay) + "-" +
                    TextKey(period.holiday) + "@dovrin";
        event.first = period.first;
        event.last = period.last;
        event.summary = off ? period.holiday + " 放假" : "上班（" + period.holiday + "调休）";
        event.categories = {off ? "放假" : "调休"};
        const std::int64_t days = DayNumber(period.last.year, period.last.month, period.last.day) -
                                  DayNumber(period.first.year, period.first.month, period.first.day) + 1;
        event.description = off ? period.holiday + "放假，共" + std::to_string(days) + "天"
                                : "调休上班，补" + period.holiday + "假期";
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<CalendarEvent> LunarAnniversaryEvents(const LunarAnniversary& a)
{
    std::vector<CalendarEvent> events;
    char dateKey[16];
    std::snprintf(dateKey, sizeof dateKey, "%02d%02d%s", a.month, a.day, a.leap ? "-leap" : "");
    for (std::int32_t year = a.fromYear; year <= a.toYear; ++year) {
        const bool leap = a.leap && HasLeapMonth(year, a.month);
        const std::int32_t length = LunarMonthLength(year, a.month, leap);
        clsDate date;
        date.lInitDate(year, a.month, std::min(a.day, length), leap);
        const CivilDate day{date.sYear(), date.sMonth(), date.sDay()};

        CalendarEvent event;
        event.uid = std::to_string(year) + "-lunar-" + dateKey + "-" + TextKey(a.summary) + "@dovrin";
        event.first = day;
        event.last = day;
        event.summary = a.summary;
        event.categories = {"农历纪念日"};
        event.description = LunarDateText(date);
        const std::string monthName = MonthName(a.month);
        if (a.leap && !leap) event.description += "（该年没有闰" + monthName + "，取" + monthName + "）";
        if (a.day > length)
            event.description += "（该年" + LunarMonthName(a.month, leap) + "只有29天，取月末）";
        events.push_back(std::move(event));
    }
    return events;
}

}  // namespace dovrin::cli
