// How a day looks in every view of a month (the desktop grid, the printed pages, the
// terminal): its official day off with the mark and colour of it, the colour of its text,
// the grid's colours and the one short line a small cell shows under the day.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"
#include "calendar/my_day_rules.h"

namespace dovrin {

// The official arrangement of a day: an ordinary day, a day off (休) or a make-up working
// day (班), from the built-in arrangement or the user's files.
enum class DayOff { None, Rest, Work };

// A run of consecutive 休 days, or one 班 day. A run that joins two holidays is named by
// both in their order: "中秋节、国庆节".
struct DayOffPeriod {
    CivilDate first, last;
    DayOff kind = DayOff::Rest;
    std::string holiday;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The month grid's colours, on screen and on paper.
namespace grid_colours {
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Green{0, 128, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb DarkGrey{96, 96, 96};  // 班
inline constexpr Rgb HeadingBand{236, 233, 216};
inline constexpr Rgb GridLine{182, 189, 210};
inline constexpr Rgb Slate{70, 96, 120};  // the mark of the user's own days
}  // namespace grid_colours

// "休", "班", or "" for an ordinary day.
std::string DayOffMark(DayOff kind);
// The mark's colour: 休 red, 班 dark grey.
Rgb DayOffMarkColour(DayOff kind);

// The mark of a day that holds one of the user's own days, "◉": one column wide in a
// terminal, and as quiet beside a memorial day as beside a birthday. Drawn in Slate.
std::string MyDayMark();

// The title of the first of the user's days on `day`, of those `found` for a stretch
// (MyDaysBetween over `days`); "" when the day has none.
std::string MyDayTitleOn(const std::vector<MyDay>& days, const std::vector<MyDayOnDate>& found, CivilDate day);

// FlaggedHoliday: a Gregorian holiday the date object calls a rest day (sHolidayRecess);
// OfficialDayOff: a 休 day of the official arrangement.
enum class DayTone { Plain, Sunday, Saturday, Today, FlaggedHoliday, OfficialDayOff };

// The weekend first, then today over it, and a day off over both: a day off that is today
// keeps its red. `date` holds the day in question, `off` its official arrangement.
DayTone ToneOfDay(const clsDate& date, CivilDate today, DayOff off);

// The day text's colour for the tone: Sundays and days off red, Saturdays green, today blue.
Rgb ColourOfTone(DayTone tone);

// What a cell with room for one short line under the day shows there, and on the first
// day of a lunar month whose line names something else, the month's name beside it.
struct ShortLine {
    std::string text;
    std::string monthStart;  // "正月", "闰四月"; "" unless `text` hides the month's start
};

// The short line of the day `date` holds: a lunar festival or a solar term; else the title
// of the user's own day on it (`myDayTitle`, "" for none); else on a lunar month's first
// day the month's customary name; else a Gregorian or week-based holiday; else the lunar
// day's name. On a month's first day only 春节, a solar term and the user's day go before
// the month's name, which then stands in monthStart. Several names in one text
// ("国庆节 国际音乐日") give the first. A day without a lunar date shows only the user's day.
ShortLine ShortLineOfDay(const clsDate& date, std::string_view myDayTitle = {});

}  // namespace dovrin
