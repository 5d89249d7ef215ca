// The date object: one day as a Gregorian and a Chinese lunar date, and everything the
// calendar knows about it (solar terms, stem-branch years, numerals, holidays, star signs, eras).
#pragma once

#include <cstdint>
#include <string>

#include "calendar/clock.h"

class clsDate {
public:
    // IsToday asks the system clock, or the clock given here.
    clsDate() = default;
    explicit clsDate(const dovrin::Clock& today) : clock(&today) {}

    // Derived from the last conversion.
    std::string lSolarTerm() const;
    // The instant of that term on this day, "HH:MM:SS" in Beijing time; "" on other days.
    std::string lSolarTermTime() const;
    std::string wHoliday() const;
    std::string lHoliday() const;
    std::string sHoliday() const;
    bool sHolidayRecess() const;

    bool IsLeap() const { return m_IsLeap; }
    std::int32_t lDay() const { return m_lDay; }
    std::int32_t lMonth() const { return m_lMonth; }
    std::int32_t lYear() const { return m_lYear; }
    std::int32_t sWeekDay() const;
    std::string sWeekDayStr() const;
    std::string Constellation2(std::int32_t month, std::int32_t day) const;
    std::int32_t sDay() const { return m_sDay; }
    std::int32_t sMonth() const { return m_sMonth; }
    std::int32_t sYear() const { return m_sYear; }

    // Pure functions of their arguments.
    bool IsToday(std::int32_t year, std::int32_t month, std::int32_t day) const;
    std::string Era(std::int32_t year) const;
    std::string GanZhi(std::int32_t year) const;
    std::string YearAttribute(std::int32_t year) const;
    std::string UpNumber(const std::string& text) const;
    std::string CDayStr(std::int32_t day) const;
    std::string Constellation(std::int32_t month, std::int32_t day) const;

    // Set the object's day from a Gregorian or a lunar date.
    void sInitDate(std::int32_t year, std::int32_t month, std::int32_t day);
    void lInitDate(std::int32_t year, std::int32_t month, std::int32_t day, bool leap);

    // The lunar year table's facts, 0 for a year outside it: the days of an ordinary month
    // (29 or 30), of the year's leap month (0 without one), and the month the leap month follows.
    static std::int32_t lMonthDays(std::int32_t year, std::int32_t month);
    static std::int32_t lLeapDays(std::int32_t year);
    static std::int32_t lLeapMonth(std::int32_t year);

    // The name tables, indices taken modulo their length: stems from 甲, branches from 子,
    // the solar terms from 小寒.
    static const char* StemName(std::int32_t stem);
    static const char* BranchName(std::int32_t branch);
    static const char* SolarTermName(std::int32_t term);

private:
    static bool IsBitSet(std::int32_t value, std::int32_t bit);
    static std::int32_t lYearDays(std::int32_t year);
    static std::int64_t lMonthsDays(std::int32_t year, std::int64_t count);
    static std::string UpDigit(const std::string& digit);

    struct LunarDate {
        std::int32_t year = 0;
        std::int32_t month = 0;
        std::int32_t day = 0;
        bool leap = false;
    };
    // Lunar date of a lunar table index (serial - LunarIndexEpoch); all zero outside the covered span.
    static LunarDate LunarOfIndex(std::int64_t lunarIndex);
    // The last conversion landed inside the covered span, so the lunar fields name a day.
    bool HoldsCoveredDay() const;

    std::int32_t m_sYear = 0;
    std::int32_t m_sMonth = 0;
    std::int32_t m_sDay = 0;
    std::int32_t m_lYear = 0;
    std::int32_t m_lMonth = 0;
    std::int32_t m_lDay = 0;
    bool m_IsLeap = false;
    double m_Date = 0;  // date serial, whole days
    const dovrin::Clock* clock = &dovrin::TheSystemClock();
};
