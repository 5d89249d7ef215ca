// The user's own days: the rules for the years their date is missing, and their words.
#include "calendar/my_day_rules.h"

#include <algorithm>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/named_days.h"
#include "calendar/span.h"

namespace dovrin {
namespace {

CivilDate GregorianOf(const clsDate& date)
{
    return {date.sYear(), date.sMonth(), date.sDay()};
}

// The date in lunar month `month` (its leap month when `leap`) of `year`, moved by the day's
// rule when the month is too short for it.
std::optional<MyDayOccurrence> LandInMonth(const MyDay& day, std::int32_t year, std::int32_t month, bool leap)
{
    const std::int32_t length = LunarMonthLength(year, month, leap);
    MyDayOccurrence occurrence;
    clsDate date;
    if (day.day <= length) {
        date.lInitDate(year, month, day.day, leap);
    } else if (day.shortMonth == ShortMonthRule::Skip) {
        return std::nullopt;
    } else {
        date.lInitDate(year, month, length, leap);
        occurrence.shift = DayShift::Earlier;
        if (day.shortMonth == ShortMonthRule::NextMonthFirst) {
            const CivilDate next = GregorianOf(date).AddDays(1);
            date.sInitDate(next.year, next.month, next.day);
            occurrence.shift = DayShift::Later;
        }
    }
    if (date.sYear() == 0 || date.lDay() == 0) return std::nullopt;  // past the covered span
    occurrence.date = GregorianOf(date);
    occurrence.year = year;
    occurrence.lunarMonth = date.lMonth();
    occurrence.lunarDay = date.lDay();
    occurrence.lunarLeap = date.IsLeap();
    return occurrence;
}

std::optional<MyDayOccurrence> GregorianInYear(const MyDay& day, std::int32_t year)
{
    if (day.firstYear != 0 && year < day.firstYear) return std::nullopt;
    MyDayOccurrence occurrence;
    occurrence.year = year;
    occurrence.date = {year, day.month, day.day};
    if (!occurrence.date.IsValid()) {  // 2-29 in a common year
        if (day.commonYear == CommonYearRule::Skip) return std::nullopt;
        const bool earlier = day.commonYear == CommonYearRule::Feb28;
        occurrence.date = earlier ? CivilDate{year, 2, 28} : CivilDate{year, 3, 1};
        occurrence.shift = earlier ? DayShift::Earlier : DayShift::Later;
    }
    return occurrence;
}

// 10..19 are read 十, 十一 ... without the leading 一.
std::string Numeral(std::int32_t value)
{
    std::string text = clsDate().UpNumber(std::to_string(value));
    if (text.starts_with("一十")) text.erase(0, std::string_view("一").size());
    return text;
}

// "（农历八月十五，六十六岁）", "" when there is nothing to say.
std::string Parenthesis(const MyDay& day, const MyDayOccurrence& occurrence)
{
    std::string inside = day.lunar ? MyDayDateText(day) : "";
    const std::string years = YearsText(day, occurrence);
    if (!inside.empty() && !years.empty()) inside += "，";
    inside += years;
    return inside.empty() ? inside : "（" + inside + "）";
}

// The month that was too short: the leap one when the occurrence is in the leap month.
std::string ShortMonthName(const MyDay& day, const MyDayOccurrence& occurrence)
{
    const bool leap = (day.leap && !occurrence.leapMissing) || occurrence.secondTime;
    return LunarMonthCustomName(day.month, leap);
}

std::string LunarShiftText(const MyDay& day, const MyDayOccurrence& occurrence)
{
    std::string text;
    if (occurrence.leapMissing)
        text = "没有" + LunarMonthCustomName(day.month, true) + "，按" + LunarMonthCustomName(day.month, false);
    if (occurrence.secondTime) text = "有" + LunarMonthCustomName(day.month, true) + "，闰月里再有一次";
    if (occurrence.shift == DayShift::None) return text;
    if (!text.empty()) text += "；";
    text += ShortMonthName(day, occurrence) + "小，";
    if (occurrence.shift == DayShift::Earlier) return text + "提前到" + clsDate().CDayStr(occurrence.lunarDay);
    return text + "推后到" + LunarMonthCustomName(occurrence.lunarMonth, occurrence.lunarLeap) +
           clsDate().CDayStr(occurrence.lunarDay);
}

}  // namespace

MyDayKind KindOfTitle(std::string_view title)
{
    if (title.ends_with("生日")) return MyDayKind::Birthday;
    if (title.ends_with("纪念日")) return MyDayKind::Anniversary;
    if (title.ends_with("忌日") || title.ends_with("祭日")) return MyDayKind::Memorial;
    return MyDayKind::Other;
}

MyDayKind KindOf(const MyDay& day)
{
    return day.kind ? *day.kind : KindOfTitle(day.title);
}

std::vector<std::int32_t> RemindersOf(const MyDay& day)
{
    if (day.remind) return *day.remind;
    if (KindOf(day) == MyDayKind::Birthday) return {3, 1};
    return {};
}

std::string KindName(MyDayKind kind)
{
    switch (kind) {
    case MyDayKind::Birthday: return "生日";
    case MyDayKind::Anniversary: return "纪念日";
    case MyDayKind::Memorial: return "忌日";
    case MyDayKind::Other: break;
    }
    return "其他";
}

std::vector<MyDayOccurrence> OccurrencesInLunarYear(const MyDay& day, std::int32_t lunarYear)
{
    std::vector<MyDayOccurrence> found;
    if (!day.lunar) {
        if (auto occurrence = GregorianInYear(day, lunarYear)) found.push_back(*occurrence);
        return found;
    }
    if (lunarYear < FirstLunarYear || lunarYear > LastLunarYear) return found;
    if (day.firstYear != 0 && lunarYear < day.firstYear) return found;
    const bool hasLeap = HasLeapMonth(lunarYear, day.month);
    const auto add = [&](bool leap, bool leapMissing, bool secondTime) {
        if (auto occurrence = LandInMonth(day, lunarYear, day.month, leap)) {
            occurrence->leapMissing = leapMissing;
            occurrence->secondTime = secondTime;
            found.push_back(*occurrence);
        }
    };
    if (!day.leap) {
        add(false, false, false);
        if (hasLeap && day.leapYear == LeapYearRule::Twice) add(true, false, true);
    } else if (hasLeap) {
        add(true, false, false);
    } else if (day.missingLeap == MissingLeapRule::OrdinaryMonth) {
        add(false, true, false);
    }
    return found;
}

std::vector<MyDayOccurrence> OccurrencesInYear(const MyDay& day, std::int32_t year)
{
    if (!day.lunar) return OccurrencesInLunarYear(day, year);
    std::vector<MyDayOccurrence> found;
    for (const std::int32_t lunarYear : {year - 1, year})
        for (const MyDayOccurrence& occurrence : OccurrencesInLunarYear(day, lunarYear))
            if (occurrence.date.year == year) found.push_back(occurrence);
    return found;
}

std::optional<MyDayOccurrence> NextOccurrence(const MyDay& day, CivilDate from)
{
    for (std::int32_t year = std::max(from.year, FirstCoveredDay.year); year <= LastCoveredDay.year; ++year)
        for (const MyDayOccurrence& occurrence : OccurrencesInYear(day, year))
            if (occurrence.date >= from) return occurrence;
    return std::nullopt;
}

std::optional<std::int32_t> YearsAt(const MyDay& day, const MyDayOccurrence& occurrence)
{
    if (day.firstYear == 0) return std::nullopt;
    return occurrence.year - day.firstYear;
}

std::vector<MyDayOnDate> MyDaysBetween(const std::vector<MyDay>& days, CivilDate first, CivilDate last)
{
    std::vector<MyDayOnDate> found;
    for (std::size_t index = 0; index < days.size(); ++index)
        for (std::int32_t year = first.year; year <= last.year; ++year)
            for (const MyDayOccurrence& occurrence : OccurrencesInYear(days[index], year))
                if (occurrence.date >= first && occurrence.date <= last)
                    found.push_back({occurrence.date, index, occurrence});
    std::stable_sort(found.begin(), found.end(),
                     [](const MyDayOnDate& a, const MyDayOnDate& b) { return a.date < b.date; });
    return found;
}

std::vector<MyDayOnDate> MyDaysComing(const std::vector<MyDay>& days, CivilDate from, std::int32_t within)
{
    if (within < 1) return {};
    return MyDaysBetween(days, from.AddDays(1), from.AddDays(within));
}

std::vector<MyDayOnDate> MyDaysToRemind(const std::vector<MyDay>& days, CivilDate today)
{
    std::int32_t furthest = -1;
    for (const MyDay& day : days)
        for (const std::int32_t before : RemindersOf(day)) furthest = std::max(furthest, before);
    if (furthest < 0) return {};
    std::vector<MyDayOnDate> due = MyDaysBetween(days, today, today.AddDays(furthest));
    std::erase_if(due, [&](const MyDayOnDate& entry) {
        const std::vector<std::int32_t> reminders = RemindersOf(days[entry.index]);
        return std::find(reminders.begin(), reminders.end(), entry.date - today) == reminders.end();
    });
    return due;
}

std::string MyDayDateText(const MyDay& day)
{
    if (!day.lunar) return std::to_string(day.month) + "月" + std::to_string(day.day) + "日";
    return "农历" + LunarMonthCustomName(day.month, day.leap) + clsDate().CDayStr(day.day);
}

std::string YearsText(const MyDay& day, const MyDayOccurrence& occurrence)
{
    const std::optional<std::int32_t> years = YearsAt(day, occurrence);
    if (!years || *years <= 0) return {};
    switch (KindOf(day)) {
    case MyDayKind::Birthday: return Numeral(*years) + "岁";
    case MyDayKind::Memorial: return "逝世" + Numeral(*years) + "周年";
    case MyDayKind::Anniversary:
    case MyDayKind::Other: break;
    }
    return Numeral(*years) + "周年";
}

std::string MyDayTitleText(const MyDay& day, const MyDayOccurrence& occurrence)
{
    return day.title + Parenthesis(day, occurrence);
}

std::string MyDayShiftText(const MyDay& day, const MyDayOccurrence& occurrence)
{
    if (day.lunar) {
        const std::string text = LunarShiftText(day, occurrence);
        return text.empty() ? text : "今年" + text;
    }
    if (occurrence.shift == DayShift::None) return {};
    const std::string to = occurrence.shift == DayShift::Earlier ? "提前到" : "推后到";
    return "今年二月只有28天，" + to + std::to_string(occurrence.date.month) + "月" +
           std::to_string(occurrence.date.day) + "日";
}

std::string MyDaysSectionText(const std::vector<MyDay>& days, const std::vector<MyDayOnDate>& onDay)
{
    std::string text;
    for (const MyDayOnDate& entry : onDay) {
        if (entry.index >= days.size()) continue;
        const MyDay& day = days[entry.index];
        text += (text.empty() ? "我的日子：" : "；") + MyDayTitleText(day, entry.occurrence);
        const std::string shift = MyDayShiftText(day, entry.occurrence);
        if (!shift.empty()) text += "，" + shift;
    }
    return text;
}

std::string MyDayComingText(const MyDay& day, const MyDayOnDate& coming, CivilDate from)
{
    const std::int64_t days = coming.date - from;
    const std::string when = days == 0 ? "今天" : "还有 " + std::to_string(days) + " 天";
    return when + "：" + MyDayTitleText(day, coming.occurrence);
}

std::string MyDayListText(const MyDay& day, CivilDate from)
{
    const std::optional<MyDayOccurrence> next = NextOccurrence(day, from);
    if (!next) return day.title;
    const std::int64_t days = next->date - from;
    return day.title + "　" + ChineseDate(next->date.year, next->date.month, next->date.day) +
           Parenthesis(day, *next) + "　" + (days == 0 ? "今天" : "还有 " + std::to_string(days) + " 天");
}

}  // namespace dovrin
