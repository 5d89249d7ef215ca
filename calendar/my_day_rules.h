// The user's own days (birthdays, anniversaries, memorial days): the dates they fall on in a
// year, by the lunar or the Gregorian calendar, and the words every output shows them with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_serial.h"

namespace dovrin {

enum class MyDayKind { Birthday, Anniversary, Memorial, Other };

// Lunar day 30 in a year whose month has 29 days.
enum class ShortMonthRule { LastDay, Skip, NextMonthFirst };
// A leap-month date in a year without that leap month.
enum class MissingLeapRule { OrdinaryMonth, Skip };
// An ordinary-month date in a year that also has that month's leap month.
enum class LeapYearRule { Once, Twice };
// Gregorian 2-29 in a common year: the month's last day keeps the day in February.
enum class CommonYearRule { Feb28, Mar1, Skip };

struct MyDay {
    std::string title;                // "妈妈生日"
    std::optional<MyDayKind> kind;    // none: read from how the title ends
    bool lunar = true;
    std::int32_t month = 1;           // [1, 12]
    std::int32_t day = 1;             // [1, 30] lunar, [1, 31] Gregorian
    bool leap = false;                // the leap month of `month`
    std::int32_t firstYear = 0;       // 0: not known; a lunar year for a lunar day
    ShortMonthRule shortMonth = ShortMonthRule::LastDay;
    MissingLeapRule missingLeap = MissingLeapRule::OrdinaryMonth;
    LeapYearRule leapYear = LeapYearRule::Once;
    CommonYearRule commonYear = CommonYearRule::Feb28;
    std::optional<std::vector<std::int32_t>> remind;  // days before; none: by the kind

    friend bool operator==(const MyDay&, const MyDay&) = default;
};

// 生日, 纪念日 and 忌日 (or 祭日) at the end of a title name its kind.
MyDayKind KindOfTitle(std::string_view title);
MyDayKind KindOf(const MyDay& day);
// The days before it that a reminder is due: as set, or 3 and 1 for a birthday.
std::vector<std::int32_t> RemindersOf(const MyDay& day);
// "生日", "纪念日", "忌日", "其他".
std::string KindName(MyDayKind kind);

// How a rule moved the date of one year.
enum class DayShift { None, Earlier, Later };

struct MyDayOccurrence {
    CivilDate date;
    std::int32_t year = 0;        // the lunar year of a lunar day, else date.year
    std::int32_t lunarMonth = 0;  // the lunar date it falls on; 0 for a Gregorian day
    std::int32_t lunarDay = 0;
    bool lunarLeap = false;
    bool leapMissing = false;     // the year has no such leap month: the ordinary one is taken
    bool secondTime = false;      // the leap month's repeat of an ordinary-month date
    DayShift shift = DayShift::None;  // day 30 of a short month, or 2-29 of a common year

    friend bool operator==(const MyDayOccurrence&, const MyDayOccurrence&) = default;
};

// The dates of one lunar year, in order: none, one, or two (the leap month's repeat). Empty
// outside the covered years and before the first year.
std::vector<MyDayOccurrence> OccurrencesInLunarYear(const MyDay& day, std::int32_t lunarYear);

// The dates that fall in Gregorian year `year`, in date order. A lunar date of 冬月 or 腊月
// may fall twice in one Gregorian year, from two lunar years.
std::vector<MyDayOccurrence> OccurrencesInYear(const MyDay& day, std::int32_t year);

// The first date on or after `from`, up to the end of the covered span.
std::optional<MyDayOccurrence> NextOccurrence(const MyDay& day, CivilDate from);

// Years since the first year (the age at a birthday); none when the first year is not known.
std::optional<std::int32_t> YearsAt(const MyDay& day, const MyDayOccurrence& occurrence);

// One user's day on one date of a stretch.
struct MyDayOnDate {
    CivilDate date;
    std::size_t index = 0;  // into the days given
    MyDayOccurrence occurrence;
};

// Every user's day from first to last (both included), in date order and, on one date, in
// the order of `days`.
std::vector<MyDayOnDate> MyDaysBetween(const std::vector<MyDay>& days, CivilDate first, CivilDate last);

// The days to come after `from` within `within` days, nearest first.
std::vector<MyDayOnDate> MyDaysComing(const std::vector<MyDay>& days, CivilDate from, std::int32_t within);

// The days whose reminder falls on `today`: a date `n` days ahead for one of its reminders
// `n` (0 is the day itself), nearest first.
std::vector<MyDayOnDate> MyDaysToRemind(const std::vector<MyDay>& days, CivilDate today);

// The words. A lunar date as it is written: "农历八月十五", "农历闰四月初一", "农历腊月三十";
// a Gregorian one: "10月1日".
std::string MyDayDateText(const MyDay& day);
// "六十六岁", "十周年", "逝世十周年"; "" without a first year or in the first year itself.
std::string YearsText(const MyDay& day, const MyDayOccurrence& occurrence);
// The title with the lunar date and the years: "妈妈生日（农历八月十五，六十六岁）",
// "祖父忌日（逝世十周年）", "国庆" for a Gregorian day without a first year.
std::string MyDayTitleText(const MyDay& day, const MyDayOccurrence& occurrence);
// What a rule did in that year: "今年八月小，提前到廿九"; "" where the date is the day's own.
std::string MyDayShiftText(const MyDay& day, const MyDayOccurrence& occurrence);
// The day text's section: "我的日子：妈妈生日（农历八月十五，六十六岁）；…", each entry with
// its shift after a "，"; "" when there is none.
std::string MyDaysSectionText(const std::vector<MyDay>& days, const std::vector<MyDayOnDate>& onDay);
// "还有 12 天：爸爸生日（农历九月初九）"; "今天：…" on the day itself.
std::string MyDayComingText(const MyDay& day, const MyDayOnDate& coming, CivilDate from);
// A line of the list of days: "妈妈生日　2027年9月15日（农历八月十五）　还有 281 天"; "今天"
// on the day, and the title alone when no date comes before the end of the span.
std::string MyDayListText(const MyDay& day, CivilDate from);

}  // namespace dovrin
