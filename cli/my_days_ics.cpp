// The user's own days as iCalendar events.
#include "my_days_ics.h"

namespace dovrin::cli {
namespace {

CalendarEvent MyDayEvent(const MyDay& day, const MyDayOccurrence& occurrence)
{
    CalendarEvent event;
    // The repeat of a date in its leap month is a second event of the same year.
    event.uid = std::to_string(occurrence.year) + "-myday-" + TextKey(day.title) +
                (occurrence.secondTime ? "-leap" : "") + "@dovrin";
    event.first = occurrence.date;
    event.last = occurrence.date;
    event.summary = MyDayTitleText(day, occurrence);
    event.categories = {"我的日子", KindName(KindOf(day))};
    event.description = MyDayDateText(day);
    if (const std::string shift = MyDayShiftText(day, occurrence); !shift.empty()) event.description += "，" + shift;
    for (const std::int32_t daysBefore : RemindersOf(day))
        event.alarms.push_back({daysBefore, RemindWhenText(daysBefore) + "：" + event.summary});
    return event;
}

}  // namespace

std::string RemindWhenText(std::int32_t daysBefore)
{
    if (daysBefore == 0) return "今天";
    if (daysBefore == 1) return "明天";
    return std::to_string(daysBefore) + "天后";
}

std::vector<CalendarEvent> MyDayEvents(const std::vector<MyDay>& days, std::int32_t fromYear, std::int32_t toYear)
{
    std::vector<CalendarEvent> events;
    for (const MyDay& day : days)
        for (std::int32_t year = fromYear; year <= toYear; ++year)
            for (const MyDayOccurrence& occurrence : OccurrencesInYear(day, year))
                events.push_back(MyDayEvent(day, occurrence));
    return events;
}

}  // namespace dovrin::cli
