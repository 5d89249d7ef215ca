// The events as iCalendar text through libical.
#include "ics_entry.h"

#include <libical/ical.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype DateValue(const DovrinIcsDate& date)
{
    icaltimetype value = icaltime_null_date();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    return value;
}

// TRIGGER:-P{N}D, relative to the start of the event's day.
icalcomponent* AlarmComponent(const DovrinIcsAlarm& alarm)
{
    icalcomponent* valarm = icalcomponent_new_valarm();
    icalcomponent_add_property(valarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    trigger.duration.is_neg = alarm.daysBefore > 0;
    trigger.duration.days = static_cast<unsigned int>(alarm.daysBefore);
    icalcomponent_add_property(valarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(valarm, icalproperty_new_description(alarm.description));
    return valarm;
}

// The event's own properties, then its alarms.
icalcomponent* EventComponent(const DovrinIcsEvent& event, const icaltimetype& stampTime)
{
    icalcomponent* vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(event.uid));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stampTime));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(DateValue(event.first)));
    icalcomponent_add_property(vevent, icalproperty_new_dtend(DateValue(event.end)));
    icalcomponent_add_property(vevent, icalproperty_new_summary(event.summary));
    for (std::size_t i = 0; i < event.categoryCount; ++i)
        icalcomponent_add_property(vevent, icalproperty_new_categories(event.categories[i]));
    if (*event.description) icalcomponent_add_property(vevent, icalproperty_new_description(event.description));
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    for (std::size_t i = 0; i < event.alarmCount; ++i)
        icalcomponent_add_component(vevent, AlarmComponent(event.alarms[i]));
    return vevent;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) char* DovrinIcsText(const DovrinIcsEvent* events, std::size_t count,
                                                                      std::int64_t utcSeconds, const char* prodid)
{
    const Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(prodid));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stampTime =
        icaltime_from_timet_with_zone(static_cast<std::time_t>(utcSeconds), 0, icaltimezone_get_utc_timezone());
    for (std::size_t i = 0; i < count; ++i) icalcomponent_add_component(calendar.get(), EventComponent(events[i], stampTime));

    // libical's buffer is its own to free: the caller gets a copy from malloc.
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    if (!text) return nullptr;
    const std::size_t size = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy) std::memcpy(copy, text, size);
    icalmemory_free_buffer(text);
    return copy;
}
