// Date serials, whole days since 1899-12-30 (serial 0), and the civil date value they hub;
// proleptic Gregorian calendar.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace dovrin {

// Floored remainder in [0, b): days and years before a reference point still index a cycle.
inline std::int32_t FloorMod(std::int64_t a, std::int32_t b)
{
    const auto r = static_cast<std::int32_t>(a % b);
    return r < 0 ? r + b : r;
}

// Division rounding towards negative infinity (C++ '/' truncates towards zero).
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// A Gregorian day as a value. Its day number (the serial, see DayNumber) is the hub every
// conversion goes through; the order is that of the days for valid dates.
struct CivilDate {
    std::int32_t year = 0;
    std::int32_t month = 0;  // [1, 12]
    std::int32_t day = 0;    // [1, 31]

    static CivilDate FromDays(std::int64_t days);
    std::int64_t Days() const;
    CivilDate AddDays(std::int64_t days) const { return FromDays(Days() + days); }
    bool IsValid() const;
    std::int32_t Weekday() const;  // 1 = Sunday ... 7 = Saturday
    bool IsWeekend() const { return Weekday() == 1 || Weekday() == 7; }

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
    friend std::int64_t operator-(const CivilDate& a, const CivilDate& b) { return a.Days() - b.Days(); }
};

// Serial of year-month-day with roll-over: month 13 is January of the next year,
// a day past the month's end runs into the following months, day 0 is the
// previous month's last day. 1900-01-01 is 2, 2000-01-01 is 36526.
double DateSerial(std::int64_t year, std::int64_t month, std::int64_t day);

// Whole-day variant of the same count, for the conversions that never carry a time.
std::int64_t DayNumber(std::int64_t year, std::int64_t month, std::int64_t day);

CivilDate DateOfSerial(double serial);
CivilDate DateOfDayNumber(std::int64_t days);

// 1 = Sunday ... 7 = Saturday; serial 0 is a Saturday.
std::int32_t WeekdayOfSerial(double serial);
std::int32_t WeekdayOfDate(std::int32_t year, std::int32_t month, std::int32_t day);

// Days of a Gregorian month with the full leap-year rule, 0 for a month outside 1..12.
std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);

bool IsValidDate(std::int32_t year, std::int32_t month, std::int32_t day);

// YYYY-MM-DD, four-digit year.
std::string IsoDate(CivilDate date);

// Months counted as year * 12 + month - 1, so that following months differ by one.
constexpr std::int32_t MonthIndex(std::int32_t year, std::int32_t month)
{
    return year * 12 + month - 1;
}

// "YYYY-MM" of a month index.
std::string MonthText(std::int32_t index);

// YYYY-MM-DD, digits only; whether it is a real day is the caller's question (IsValid).
bool ParseIsoDate(std::string_view text, CivilDate& date);

// A whole number of decimal digits only (no sign, no space), that fits `value`.
bool ParseDigits(std::string_view text, std::int32_t& value);

}  // namespace dovrin
