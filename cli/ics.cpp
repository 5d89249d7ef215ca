// iCalendar export: the events made here, their text written by the module loaded for it.
#include "ics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/my_day_rules.h"
#include "calendar/named_days.h"
#include "ics_entry.h"
#include "module_loader.h"
#include "resources/messages.h"

namespace dovrin::cli {
namespace {

// The calendar's name as a content line. libical escapes the TEXT of the standard properties,
// but writes an X- property's value with ';' and ',' bare, so this one line is written here:
// escaped as RFC 5545 says for TEXT and folded at 75 octets, never inside a character.
std::string CalendarNameLine(std::string_view name)
{
    std::string line = "X-WR-CALNAME:";
    for (const char c : name) {
        if (c == '\n') {
            line += "\\n";
            continue;
        }
        if (c == '\\' || c == ';' || c == ',') line += '\\';
        line += c;
    }
    constexpr std::size_t octets = 75;
    std::string out;
    std::size_t width = 0;  // octets on the current line
    for (std::size_t at = 0; at < line.size();) {
        std::size_t length = 1;  // the whole UTF-8 character at `at`
        while (at + length < line.size() && (static_cast<unsigned char>(line[at + length]) & 0xC0) == 0x80) ++length;
        if (width + length > octets) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line, at, length);
        width += length;
        at += length;
    }
    return out + "\r\n";
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
    case NamedDayKind::MyDay: return "mine";  // never among the named days of a stretch
    case NamedDayKind::Gregorian: return "gregorian";
    case NamedDayKind::Week: return "week";
    case NamedDayKind::Seasonal: return "season";
    case NamedDayKind::DaysOff: return "off";
    case NamedDayKind::WorkDay: return "work";
    }
    return "day";
}

std::string LunarTextOf(CivilDate day)
{
    clsDate date;
    date.sInitDate(day.year, day.month, day.day);
    return "农历" + LunarDateText(date);
}

// One year's event of a lunar anniversary, saying where the year lacks its date.
CalendarEvent LunarAnniversaryEvent(const LunarAnniversary& a, const MyDayOccurrence& occurrence,
                                    const std::string& dateKey)
{
    clsDate date;
    date.sInitDate(occurrence.date.year, occurrence.date.month, occurrence.date.day);
    CalendarEvent event;
    event.uid = std::to_string(occurrence.year) + "-lunar-" + dateKey + "-" + TextKey(a.summary) + "@dovrin";
    event.first = occurrence.date;
    event.last = occurrence.date;
    event.summary = a.summary;
    event.categories = {"农历纪念日"};
    event.description = "农历" + LunarDateText(date);
    const std::string monthName = MonthName(a.month);
    if (occurrence.leapMissing) event.description += "（该年没有闰" + monthName + "，取" + monthName + "）";
    if (occurrence.shift != DayShift::None)
        event.description += "（该年" + LunarMonthName(a.month, occurrence.lunarLeap) + "只有29天，取月末）";
    return event;
}

DovrinIcsDate PlainDate(CivilDate date)
{
    return {date.year, date.month, date.day};
}

// The text of the module's writer for the events, the calendar's name added after its own
// properties; "" when the writer has none.
std::string IcsText(IcsTextFunction write, const std::vector<CalendarEvent>& events, std::int64_t utcSeconds,
                    std::string_view name)
{
    std::vector<std::vector<const char*>> categories;
    std::vector<std::vector<DovrinIcsAlarm>> alarms;
    std::vector<DovrinIcsEvent> plain;
    categories.reserve(events.size());
    alarms.reserve(events.size());
    plain.reserve(events.size());
    for (const CalendarEvent& event : events) {
        std::vector<const char*>& texts = categories.emplace_back();
        for (const std::string& category : event.categories) texts.push_back(category.c_str());
        std::vector<DovrinIcsAlarm>& reminders = alarms.emplace_back();
        for (const CalendarAlarm& alarm : event.alarms) reminders.push_back({alarm.daysBefore, alarm.description.c_str()});
        plain.push_back({event.uid.c_str(), PlainDate(event.first), PlainDate(event.last.AddDays(1)),
                         event.summary.c_str(), texts.data(), texts.size(), event.description.c_str(),
                         reminders.data(), reminders.size()});
    }
    const std::unique_ptr<char, decltype(&std::free)> text(
        write(plain.data(), plain.size(), utcSeconds, "-//Dovrin//dovrin-cal " DOVRIN_VERSION "//ZH"), &std::free);
    if (!text) return {};
    std::string out = text.get();
    // A plain file of events: no METHOD, which would make it an iTIP message that needs an
    // ORGANIZER.
    const std::string scale = "CALSCALE:GREGORIAN\r\n";
    const std::size_t at = out.find(scale);
    if (at != std::string::npos) out.insert(at + scale.size(), CalendarNameLine(name));
    return out;
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

int WriteIcs(const std::vector<CalendarEvent>& events, std::int64_t utcSeconds, std::string_view name,
             std::string& out, std::string& err)
{
    std::string why;
    const std::vector<void*> found = LoadModule("dovrin-ics.so", {IcsTextSymbol}, why);
    if (found.empty()) {
        err += Format(_("dovrin-cal: {1}"), {Format(_("the iCalendar output cannot be loaded: {1}"), {why})}) + "\n";
        return 1;
    }
    std::string text = IcsText(reinterpret_cast<IcsTextFunction>(found[0]), events, utcSeconds, name);
    if (text.empty()) {
        err += Format(_("dovrin-cal: {1}"), {_("the iCalendar file could not be made")}) + "\n";
        return 1;
    }
    out = std::move(text);
    return 0;
}

std::vector<CalendarEvent> NamedDayEvents(CivilDate first, CivilDate last)
{
    std::vector<CalendarEvent> events;
    for (NamedDay& day : NamedDays(first, last)) {
        CalendarEvent event;
        event.uid = Compact(day.first) + "-" + KindKey(day.kind) + "-" + TextKey(day.text) + "@dovrin";
        event.first = day.first;
        event.last = day.last;
        event.categories = {day.kind == NamedDayKind::SolarTerm ? "节气"
                            : day.kind == NamedDayKind::Seasonal ? "杂节气"
                                                                 : "节日"};
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
        const std::int64_t days = period.last - period.first + 1;
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
    MyDay day;
    day.month = a.month;
    day.day = a.day;
    day.leap = a.leap;
    for (std::int32_t year = a.fromYear; year <= a.toYear; ++year) {
        for (const MyDayOccurrence& occurrence : OccurrencesInLunarYear(day, year))
            events.push_back(LunarAnniversaryEvent(a, occurrence, dateKey));
    }
    return events;
}

}  // namespace dovrin::cli
