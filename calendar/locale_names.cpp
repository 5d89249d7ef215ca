// Fixed Chinese names: the program uses no locale service, so every machine shows the same.
#include "calendar/locale_names.h"

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

#include <array>
#include <string_view>

namespace dovrin {

std::string WeekdayName(std::int32_t weekday)
{
    static constexpr std::array<const char*, 7> names = {
        "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    if (weekday < 1 || weekday > 7) return {};
    return names[weekday - 1];
}

std::string ShortWeekdayName(std::int32_t weekday)
{
    const std::string name = WeekdayName(weekday);
    return name.empty() ? name : name.substr(std::string_view("星期").size());
}

std::string ChineseDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

std::string MonthName(std::int32_t month)
{
    static constexpr std::array<const char*, 12> names = {
        "一月", "二月", "三月", "四月", "五月", "六月",
        "七月", "八月", "九月", "十月", "十一月", "十二月"};
    if (month < 1 || month > 12) return {};
    return names[month - 1];
}

std::string LunarMonthName(std::int32_t month, bool leap)
{
    return (leap ? "闰" : "") + MonthName(month);
}

std::string LunarYearName(const clsDate& names, std::int32_t lunarYear)
{
    return names.GanZhi(lunarYear) + "(" + names.YearAttribute(lunarYear) + ")";
}

std::string LunarDateText(const clsDate& date)
{
    if (date.lDay() == 0) return {};
    return LunarYearName(date, date.lYear()) + "年" + LunarMonthName(date.lMonth(), date.IsLeap()) +
           date.CDayStr(date.lDay());
}

const std::array<std::string_view, 12>& LunarMonthWords()
{
    static constexpr std::array<std::string_view, 12> words = {"正", "二", "三", "四", "五", "六",
                                                               "七", "八", "九", "十", "冬", "腊"};
    return words;
}

std::string LunarMonthCustomName(std::int32_t month, bool leap)
{
    if (month < 1 || month > 12) return {};
    return (leap ? "闰" : "") + std::string(LunarMonthWords()[static_cast<std::size_t>(month - 1)]) + "月";
}

std::string LunarMonthShortName(std::int32_t month, bool leap)
{
    if (month < 1 || month > 12) return {};
    const std::string word(LunarMonthWords()[static_cast<std::size_t>(month - 1)]);
    return leap ? "闰" + word : word + "月";
}

std::string MonthTitle(std::int32_t year, std::int32_t month)
{
    clsDate date;
    std::string lunarYears;
    std::int32_t previous = 0;
    for (std::int32_t day : {1, DaysInMonth(year, month)}) {
        date.sInitDate(year, month, day);
        if (date.lYear() == 0 || date.lYear() == previous) continue;
        if (!lunarYears.empty()) lunarYears += '/';
        lunarYears += LunarYearName(date, date.lYear());
        previous = date.lYear();
    }
    std::string title = std::to_string(year) + "年" + std::to_string(month) + "月";
    if (!lunarYears.empty()) title += " 农历" + lunarYears + "年";
    return title;
}

}  // namespace dovrin
