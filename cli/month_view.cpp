// The month grid for a terminal: Sunday first, a Gregorian line and a lunar line per day.
#include "cli/month_view.h"

#include <vector>

#include "calendar/clsDate.h"
#include "calendar/day_tone.h"
#include "calendar/locale_names.h"
#include "calendar/utf8.h"

namespace dovrin::cli {
namespace {

constexpr std::size_t CellWidth = 8;  // columns; four Chinese characters
constexpr std::size_t LunarLineCharacters = 4;

constexpr const char* Red = "\x1b[31m";
constexpr const char* Green = "\x1b[32m";
constexpr const char* Blue = "\x1b[34m";
constexpr const char* TodayMark = "\x1b[1;7m";  // bold, reverse video
constexpr const char* Reset = "\x1b[0m";

// The first name of a text ("国庆节 国际音乐日" -> "国庆节"), cut to fit the cell.
std::string Shortened(const std::string& text)
{
    const std::string first = text.substr(0, text.find(' '));
    std::string out;
    std::size_t count = 0;
    for (std::string_view character : Utf8Characters(first)) {
        if (++count > LunarLineCharacters) break;
        out += character;
    }
    return out;
}

// The colour of a day, as on the desktop grid.
const char* DayColor(const clsDate& date, CivilDate today)
{
    switch (ToneOfDay(date, today)) {
    case DayTone::Sunday:
    case DayTone::RestDay: return Red;
    case DayTone::Saturday: return Green;
    case DayTone::Today: return Blue;
    case DayTone::Plain: break;
    }
    return nullptr;
}

std::string Paint(const std::string& cell, const char* color, bool isToday, bool enabled)
{
    if (!enabled || (!color && !isToday)) return cell;
    return std::string(isToday ? TodayMark : "") + (color ? color : "") + cell + Reset;
}

std::string LunarYearName(const clsDate& names, std::int32_t lunarYear)
{
    return names.GanZhi(lunarYear) + "(" + names.YearAttribute(lunarYear) + ")年";
}

}  // namespace

std::string LunarLine(std::int32_t year, std::int32_t month, std::int32_t day)
{
    clsDate date;
    date.sInitDate(year, month, day);
    if (date.lDay() == 0) return {};  // outside the lunar table
    if (std::string text = date.lHoliday(); !text.empty()) return Shortened(text);
    if (std::string text = date.lSolarTerm(); !text.empty()) return text;
    if (std::string text = date.sHoliday(); !text.empty()) return Shortened(text);
    if (date.lDay() == 1) return (date.IsLeap() ? "闰" : "") + MonthName(date.lMonth());
    return date.CDayStr(date.lDay());
}

std::string RenderMonth(std::int32_t year, std::int32_t month, CivilDate today, bool color)
{
    const std::int32_t days = DaysInMonth(year, month);
    const std::int32_t offset = WeekdayOfDate(year, month, 1) - 1;  // [0, 6]

    clsDate date;
    date.sInitDate(year, month, 1);
    std::string lunarYears = date.lYear() ? LunarYearName(date, date.lYear()) : "";
    const std::int32_t firstLunarYear = date.lYear();
    date.sInitDate(year, month, days);
    if (date.lYear() && date.lYear() != firstLunarYear)
        lunarYears += lunarYears.empty() ? LunarYearName(date, date.lYear()) : " / " + LunarYearName(date, date.lYear());

    const std::size_t width = CellWidth * 7;
    std::string out = Centred(std::to_string(year) + "年" + std::to_string(month) + "月  农历" + lunarYears, width);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += "\n";
    std::string headingLine;
    for (std::int32_t weekday = 1; weekday <= 7; ++weekday) {
        const char* headingColor = weekday == 1 ? Red : weekday == 7 ? Green : nullptr;
        headingLine += Paint(Centred(ShortWeekdayName(weekday), CellWidth), headingColor, false, color);
    }
    out += headingLine + "\n";

    for (std::int32_t row = 0; row * 7 - offset < days; ++row) {
        std::string numbers, lunar;
        for (std::int32_t column = 0; column < 7; ++column) {
            const std::int32_t day = row * 7 + column - offset + 1;
            if (day < 1 || day > days) {
                numbers += std::string(CellWidth, ' ');
                lunar += std::string(CellWidth, ' ');
                continue;
            }
            date.sInitDate(year, month, day);
            const char* dayColor = DayColor(date, today);
            const bool isToday = CivilDate{year, month, day} == today;
            numbers += Paint(Centred(std::to_string(day), CellWidth), dayColor, isToday, color);
            lunar += Paint(Centred(LunarLine(year, month, day), CellWidth), dayColor, isToday, color);
        }
        for (std::string* line : {&numbers, &lunar}) {
            while (!line->empty() && line->back() == ' ') line->pop_back();
            out += *line + "\n";
        }
    }
    return out;
}

std::string RenderYear(std::int32_t year, CivilDate today, bool color)
{
    std::string out;
    for (std::int32_t month = 1; month <= 12; ++month) {
        if (month > 1) out += "\n";
        out += RenderMonth(year, month, today, color);
    }
    return out;
}

}  // namespace dovrin::cli
