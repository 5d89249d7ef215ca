// Weekday and month names for the grid headings, the title label, the day text and the terminal.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class clsDate;

namespace dovrin {

// 1 = Sunday ... 7 = Saturday: "星期日" ... "星期六"; "" outside that range.
std::string WeekdayName(std::int32_t weekday);

// The last character of the weekday's name, for narrow headings: "日" ... "六".
std::string ShortWeekdayName(std::int32_t weekday);

// 1..12: "一月" ... "十二月"; "" outside that range.
std::string MonthName(std::int32_t month);

// A Gregorian date as the labels and texts write it: "2026年2月16日".
std::string ChineseDate(std::int32_t year, std::int32_t month, std::int32_t day);

// A lunar month as the title label and the day text name it: MonthName with "闰" before a
// leap month ("闰四月").
std::string LunarMonthName(std::int32_t month, bool leap);

// The lunar date of a day as the day text and the terminal write it: "戊子(鼠)年正月初二",
// the stem-branch year and animal of the lunar year; "" for a day without a lunar date.
std::string LunarDateText(const clsDate& date);

// The customary words of the twelve lunar months, 正 二 ... 十 冬 腊: with "月" after it each
// is the month's name on a wall calendar. The one table of these names; a reader of texts
// that name lunar months builds its pattern from it.
const std::array<std::string_view, 12>& LunarMonthWords();

// A lunar month by its customary name, as a wall calendar prints it on the month's first
// day: 正月, 二月 ... 十月, 冬月, 腊月, with "闰" before a leap month; "" outside 1..12.
std::string LunarMonthCustomName(std::int32_t month, bool leap);

// The same name in two characters, for the narrowest cells: "闰" with the month's word in
// a leap month ("闰四").
std::string LunarMonthShortName(std::int32_t month, bool leap);

// A lunar year by its stem-branch name and animal: "丙午(马)".
std::string LunarYearName(const clsDate& names, std::int32_t lunarYear);

// A month's title, with the lunar years its days belong to: "2026年10月 农历丙午(马)年",
// "2008年2月 农历丁亥(猪)/戊子(鼠)年"; the Gregorian month alone where no day has a lunar date.
std::string MonthTitle(std::int32_t year, std::int32_t month);

}  // namespace dovrin
