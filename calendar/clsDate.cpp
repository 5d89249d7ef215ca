// The date object's conversions between Gregorian and lunar dates, and its weekday.
#include "calendar/clsDate.h"

#include <algorithm>
#include <limits>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "calendar/lunar_table.h"

namespace {

bool InTable(std::int32_t year)
{
    return year >= dovrin::FirstLunarYear && year <= dovrin::LastLunarYear;
}

}  // namespace

bool clsDate::IsBitSet(std::int32_t value, std::int32_t bit)
{
    if (bit < 0 || bit > 31) return false;
    return (value & dovrin::BitMask[bit]) != 0;
}

// The four lookups answer 0 for a year outside the table instead of reading past it.
std::int32_t clsDate::lYearDays(std::int32_t year)
{
    return InTable(year) ? dovrin::LunarYearDays[year - dovrin::FirstLunarYear] : 0;
}

std::int32_t clsDate::lMonthDays(std::int32_t year, std::int32_t month)
{
    if (!InTable(year)) return 0;
    if (month < 16 - 31 || month > 16) return 29;  // no bit of the word: an ordinary short month
    return IsBitSet(dovrin::LunarInfo[year - dovrin::FirstLunarYear], 16 - month) ? 30 : 29;
}

// Days of months 1..count of the year. Month 17 and later read no bit of the table word, so
// they count 29 days each and the sum needs no walk, whatever the count.
std::int64_t clsDate::lMonthsDays(std::int32_t year, std::int64_t count)
{
    constexpr std::int64_t lastBitMonth = 16;
    std::int64_t total = 0;
    for (std::int32_t j = 1; j <= std::min(count, lastBitMonth); ++j) total += lMonthDays(year, j);
    if (count > lastBitMonth) total += (count - lastBitMonth) * 29;
    return total;
}

std::int32_t clsDate::lLeapDays(std::int32_t year)
{
    if (lLeapMonth(year) == 0) return 0;
    return IsBitSet(dovrin::LunarInfo[year - dovrin::FirstLunarYear], 16) ? 30 : 29;
}

std::int32_t clsDate::lLeapMonth(std::int32_t year)
{
    return InTable(year) ? (dovrin::LunarInfo[year - dovrin::FirstLunarYear] & 0xF) : 0;
}

clsDate::LunarDate clsDate::LunarOfIndex(std::int64_t lunarIndex)
{
    if (lunarIndex < dovrin::FirstLunarIndex || lunarIndex > dovrin::LastLunarIndex) return {};

    // Year search: the last year with fewer days before it than the lunar index; n becomes
    // the 1-based day within that year.
    const auto& before = dovrin::LunarDaysBefore;
    const auto after = std::upper_bound(before.begin(), before.end() - 1, lunarIndex - 1);
    const auto index = after - before.begin() - 1;  // [0, LunarYearCount - 1]
    const std::int32_t year = dovrin::FirstLunarYear + static_cast<std::int32_t>(index);
    std::int64_t n = lunarIndex - before[static_cast<std::size_t>(index)];

    // Month walk: the leap month follows ordinary month L and carries its number.
    const std::int32_t leapMonth = lLeapMonth(year);
    bool isLeap = false;
    std::int32_t month = 1;
    while (month <= 12) {
        std::int32_t length;
        if (month == leapMonth + 1 && leapMonth > 0 && !isLeap) {
            --month;
            isLeap = true;
            length = lLeapDays(year);
        } else {
            isLeap = false;
            length = lMonthDays(year, month);
        }
        if (n - length < 1) break;
        n -= length;
        ++month;
    }
    return {year, month, static_cast<std::int32_t>(n), isLeap};
}

void clsDate::sInitDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    const std::int64_t serial = dovrin::DayNumber(year, month, day);
    m_Date = static_cast<double>(serial);
    // A rolled-over date (month 13, day 32) is kept as the day it names, so that the
    // holiday and solar-term lookups read a real date; one that rolls past the years a
    // 32-bit field holds keeps the arguments as they came.
    using Limits = std::numeric_limits<std::int32_t>;
    static const std::int64_t firstSerial = dovrin::DayNumber(Limits::min(), 1, 1);
    static const std::int64_t lastSerial = dovrin::DayNumber(Limits::max(), 12, 31);
    if (serial >= firstSerial && serial <= lastSerial) {
        const dovrin::CivilDate civil = dovrin::DateOfDayNumber(serial);
        m_sYear = civil.year;
        m_sMonth = civil.month;
        m_sDay = civil.day;
    } else {
        m_sYear = year;
        m_sMonth = month;
        m_sDay = day;
    }

    const LunarDate lunar = LunarOfIndex(serial - dovrin::LunarIndexEpoch);
    m_lYear = lunar.year;
    m_lMonth = lunar.month;
    m_lDay = lunar.day;
    m_IsLeap = lunar.leap;
}

void clsDate::lInitDate(std::int32_t year, std::int32_t month, std::int32_t day, bool leap)
{
    m_lYear = year;
    m_lMonth = month;
    m_lDay = day;

    // Outside the span (a year without table data, or a month or day that runs past either
    // end) the object holds no day: no Gregorian date, and nothing read from the lunar one.
    const auto holdNoDay = [this] {
        m_IsLeap = false;
        m_sYear = m_sMonth = m_sDay = 0;
        m_Date = 0;
    };
    if (!InTable(year)) {
        holdNoDay();
        return;
    }

    std::int64_t total = dovrin::LunarDaysBefore[static_cast<std::size_t>(year - dovrin::FirstLunarYear)];

    const std::int32_t leapMonth = lLeapMonth(year);
    m_IsLeap = (month == leapMonth) ? leap : false;

    const std::int64_t monthsBefore = std::int64_t{month} - 1;
    if (month < leapMonth || leapMonth == 0) {
        total += lMonthsDays(year, monthsBefore);
    } else if (m_IsLeap) {
        // Ordinary month m comes before its leap month.
        total += lMonthsDays(year, month);
    } else {
        total += lMonthsDays(year, monthsBefore);
        if (month > leapMonth) total += lLeapDays(year);
    }
    total += day;
    if (total < dovrin::FirstLunarIndex || total > dovrin::LastLunarIndex) {
        holdNoDay();
        return;
    }

    const std::int64_t serial = dovrin::LunarIndexEpoch + total;
    m_Date = static_cast<double>(serial);
    const dovrin::CivilDate civil = dovrin::DateOfDayNumber(serial);
    m_sYear = civil.year;
    m_sMonth = civil.month;
    m_sDay = civil.day;
}

bool clsDate::HoldsCoveredDay() const
{
    const auto index = static_cast<std::int64_t>(m_Date) - dovrin::LunarIndexEpoch;
    return index >= dovrin::FirstLunarIndex && index <= dovrin::LastLunarIndex && InTable(m_lYear);
}

std::int32_t clsDate::sWeekDay() const
{
    return dovrin::WeekdayOfSerial(m_Date);
}

std::string clsDate::sWeekDayStr() const
{
    return dovrin::WeekdayName(sWeekDay());
}

bool clsDate::IsToday(std::int32_t year, std::int32_t month, std::int32_t day) const
{
    const dovrin::CivilDate today = clock->Today();
    return today.year == year && today.month == month && today.day == day;
}
