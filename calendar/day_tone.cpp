// The colour class of a day in a month view.
#include "calendar/day_tone.h"

namespace dovrin {

DayTone ToneOfDay(const clsDate& date, CivilDate today)
{
    DayTone tone = DayTone::Plain;
    if (date.sWeekDay() == 1) tone = DayTone::Sunday;
    if (date.sWeekDay() == 7) tone = DayTone::Saturday;
    if (CivilDate{date.sYear(), date.sMonth(), date.sDay()} == today) tone = DayTone::Today;
    if (date.sHolidayRecess()) tone = DayTone::RestDay;
    return tone;
}

Rgb ColourOfTone(DayTone tone)
{
    switch (tone) {
    case DayTone::Sunday:
    case DayTone::RestDay: return grid_colours::Red;
    case DayTone::Saturday: return grid_colours::Green;
    case DayTone::Today: return grid_colours::Blue;
    case DayTone::Plain: break;
    }
    return grid_colours::Black;
}

}  // namespace dovrin
