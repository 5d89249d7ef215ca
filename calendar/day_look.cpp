// How a day looks in every view of a month.
#include "calendar/day_look.h"

#include "calendar/locale_names.h"
#include "calendar/utf8.h"

namespace dovrin {
namespace {

// The first name of a text that may hold several separated by blanks.
std::string FirstName(const std::string& names)
{
    for (std::string& name : SplitAt(names, " "))
        if (!name.empty()) return name;
    return {};
}

}  // namespace

std::string DayOffMark(DayOff kind)
{
    switch (kind) {
    case DayOff::Rest: return "休";
    case DayOff::Work: return "班";
    case DayOff::None: break;
    }
    return {};
}

Rgb DayOffMarkColour(DayOff kind)
{
    return kind == DayOff::Work ? grid_colours::DarkGrey : grid_colours::Red;
}

DayTone ToneOfDay(const clsDate& date, CivilDate today, DayOff off)
{
    DayTone tone = DayTone::Plain;
    if (date.sWeekDay() == 1) tone = DayTone::Sunday;
    if (date.sWeekDay() == 7) tone = DayTone::Saturday;
    if (CivilDate{date.sYear(), date.sMonth(), date.sDay()} == today) tone = DayTone::Today;
    if (date.sHolidayRecess()) tone = DayTone::FlaggedHoliday;
    else if (off == DayOff::Rest) tone = DayTone::OfficialDayOff;
    return tone;
}

Rgb ColourOfTone(DayTone tone)
{
    switch (tone) {
    case DayTone::Sunday:
    case DayTone::FlaggedHoliday:
    case DayTone::OfficialDayOff: return grid_colours::Red;
    case DayTone::Saturday: return grid_colours::Green;
    case DayTone::Today: return grid_colours::Blue;
    case DayTone::Plain: break;
    }
    return grid_colours::Black;
}

std::string MyDayMark()
{
    return "◉";
}

std::string MyDayTitleOn(const std::vector<MyDay>& days, const std::vector<MyDayOnDate>& found, CivilDate day)
{
    for (const MyDayOnDate& entry : found)
        if (entry.date == day && entry.index < days.size()) return days[entry.index].title;
    return {};
}

ShortLine ShortLineOfDay(const clsDate& date, std::string_view myDayTitle)
{
    const std::string mine(myDayTitle);
    if (date.lDay() == 0) return {mine, {}};  // outside the lunar table
    const std::string festival = FirstName(date.lHoliday());
    const std::string term = date.lSolarTerm();
    if (date.lDay() == 1) {
        const std::string month = LunarMonthCustomName(date.lMonth(), date.IsLeap());
        // Only the new year's day names a festival on a month's first day.
        const bool newYear = date.lMonth() == 1 && !date.IsLeap() && !festival.empty();
        if (newYear) return {festival, month};
        if (!term.empty()) return {term, month};
        if (!mine.empty()) return {mine, month};
        return {month, {}};
    }
    for (const std::string& name : {festival, term, mine, FirstName(date.sHoliday()), FirstName(date.wHoliday())})
        if (!name.empty()) return {name, {}};
    return {date.CDayStr(date.lDay()), {}};
}

}  // namespace dovrin
