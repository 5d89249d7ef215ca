// Date serials and the civil date value: whole days since 1899-12-30, from Hinnant's
// civil-day algorithms.
#include "calendar/date_serial.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace dovrin {
namespace {

// Days from 1970-01-01 to y-m-d, m in [1, 12]; exact for every year an int64 holds here.
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;  // floor division
    const std::int64_t yoe = y - era * 400;                            // [0, 399]
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;    // [0, 146096]
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;                                   // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);            // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                 // [0, 11]
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;                         // [1, 31]
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;                           // [1, 12]
    const std::int64_t y = yoe + era * 400 + (m <= 2);
    return {static_cast<std::int32_t>(y), static_cast<std::int32_t>(m), static_cast<std::int32_t>(d)};
}

constexpr std::int64_t SerialEpochFromUnix = 25569;  // 1970-01-01 is serial 25569

std::int32_t WeekdayOfDays(std::int64_t days)
{
    // Serial 0 (1899-12-30) is a Saturday, weekday 7.
    return static_cast<std::int32_t>((days + 6) - FloorDiv(days + 6, 7) * 7 + 1);
}

}  // namespace

std::int64_t DayNumber(std::int64_t year, std::int64_t month, std::int64_t day)
{
    // Months beyond 12 or below 1 roll into neighbouring years; days roll from day 1.
    const std::int64_t monthIndex = month - 1;
    const std::int64_t y = year + FloorDiv(monthIndex, 12);
    const std::int64_t m = monthIndex - FloorDiv(monthIndex, 12) * 12 + 1;
    return DaysFromCivil(y, m, 1) + (day - 1) + SerialEpochFromUnix;
}

double DateSerial(std::int64_t year, std::int64_t month, std::int64_t day)
{
    return static_cast<double>(DayNumber(year, month, day));
}

CivilDate DateOfDayNumber(std::int64_t days)
{
    return CivilFromDays(days - SerialEpochFromUnix);
}

CivilDate DateOfSerial(double serial)
{
    return DateOfDayNumber(static_cast<std::int64_t>(std::floor(serial)));
}

std::int32_t WeekdayOfSerial(double serial)
{
    return WeekdayOfDays(static_cast<std::int64_t>(std::floor(serial)));
}

std::int32_t WeekdayOfDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return CivilDate{year, month, day}.Weekday();
}

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month)
{
    if (month < 1 || month > 12) return 0;
    static constexpr std::int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsValidDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return day >= 1 && day <= DaysInMonth(year, month);
}

std::string IsoDate(CivilDate date)
{
    char iso[32];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date.year, date.month, date.day);
    return iso;
}

std::string MonthText(std::int32_t index)
{
    return IsoDate({index / 12, index % 12 + 1, 1}).substr(0, 7);
}

CivilDate CivilDate::FromDays(std::int64_t days)
{
    return DateOfDayNumber(days);
}

std::int64_t CivilDate::Days() const
{
    return DayNumber(year, month, day);
}

bool CivilDate::IsValid() const
{
    return IsValidDate(year, month, day);
}

std::int32_t CivilDate::Weekday() const
{
    return WeekdayOfDays(Days());
}

bool ParseDigits(std::string_view text, std::int32_t& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return false;  // from_chars takes a '-'
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseIsoDate(std::string_view text, CivilDate& date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    return ParseDigits(text.substr(0, 4), date.year) && ParseDigits(text.substr(5, 2), date.month) &&
           ParseDigits(text.substr(8, 2), date.day);
}

}  // namespace dovrin
