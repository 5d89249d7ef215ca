// The date object's conversions between Gregorian and lunar dates, and its weekday.
#include "calendar/clsDate.h"

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
    return IsBitSet(dovrin::LunarInfo[year - dovrin::FirstLunarYear], 16 - month) ? 30 : 29;
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

clsDate::LunarDate clsDate::LunarOfDayNumber(std::int64_t dayNumber)
{
    if (dayNumber < dovrin::FirstDayNumber || dayNumber > dovrin::LastDayNumber) return {};

    // Year search: n becomes the 1-based day within lunar year y.
    std::int64_t n = dayNumber;
    std::int32_t year = dovrin::FirstLunarYear;
    while (year < dovrin::LastLunarYear && n - lYearDays(year) >= 1) {
        n -= lYearDays(year);
        ++year;
    }

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
    // holiday and solar-term lookups read a real date.
    const dovrin::CivilDate civil = dovrin::DateOfDayNumber(serial);
    m_sYear = civil.year;
    m_sMonth = civil.month;
    m_sDay = civil.day;

    const LunarDate lunar = LunarOfDayNumber(serial - dovrin::DayNumberEpoch);
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

    if (!InTable(year)) {
        // No table data for the year: the object holds no Gregorian day.
        m_IsLeap = false;
        m_sYear = m_sMonth = m_sDay = 0;
        m_Date = 0;
        return;
    }

    std::int64_t total = 0;
    for (std::int32_t y = dovrin::FirstLunarYear; y < year; ++y) total += dovrin::LunarYearDays[y - dovrin::FirstLunarYear];

    const std::int32_t leapMonth = lLeapMonth(year);
    m_IsLeap = (month == leapMonth) ? leap : false;

    if (month < leapMonth || leapMonth == 0) {
        for (std::int32_t j = 1; j <= month - 1; ++j) total += lMonthDays(year, j);
    } else if (m_IsLeap) {
        // Ordinary month m comes before its leap month.
        for (std::int32_t j = 1; j <= month; ++j) total += lMonthDays(year, j);
    } else {
        for (std::int32_t j = 1; j <= month - 1; ++j) total += lMonthDays(year, j);
        if (month > leapMonth) total += lLeapDays(year);
    }
    total += day;

    const std::int64_t serial = dovrin::DayNumberEpoch + total;
    m_Date = static_cast<double>(serial);
    const dovrin::CivilDate civil = dovrin::DateOfDayNumber(serial);
    m_sYear = civil.year;
    m_sMonth = civil.month;
    m_sDay = civil.day;
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
