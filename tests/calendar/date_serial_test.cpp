// Date serials: anchors, roll-over, weekdays and the replaceable clock.
#include "calendar/clock.h"
#include "calendar/date_serial.h"
#include "calendar/span.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace dovrin;

TEST(DateSerial, Anchors)
{
    EXPECT_EQ(DateSerial(1899, 12, 30), 0);
    EXPECT_EQ(DateSerial(1900, 1, 1), 2);
    EXPECT_EQ(DateSerial(1900, 1, 31), 32);
    EXPECT_EQ(DateSerial(2000, 1, 1), 36526);
    EXPECT_EQ(DateSerial(2050, 1, 22), 54810);
    EXPECT_EQ(DateSerial(1900, 3, 1) - DateSerial(1900, 2, 28), 1);  // 1900 is not a leap year
}

TEST(DateSerial, RollsOverMonthsAndDays)
{
    EXPECT_EQ(DateSerial(2008, 2, 30), DateSerial(2008, 3, 1));
    EXPECT_EQ(DateSerial(2008, 13, 1), DateSerial(2009, 1, 1));
    EXPECT_EQ(DateSerial(2008, 3, 0), DateSerial(2008, 2, 29));
    EXPECT_EQ(DateSerial(2008, 0, 1), DateSerial(2007, 12, 1));
    EXPECT_EQ(DateSerial(2008, 1, 400), DateSerial(2009, 2, 3));
}

TEST(DateSerial, EveryDayOfTheSpanRoundTripsAndAdvancesTheWeekday)
{
    std::int32_t previousWeekday = WeekdayOfSerial(31);
    for (std::int64_t serial = 32; serial <= 54810; ++serial) {
        const CivilDate date = DateOfSerial(static_cast<double>(serial));
        ASSERT_TRUE(IsValidDate(date.year, date.month, date.day)) << serial;
        ASSERT_EQ(DateSerial(date.year, date.month, date.day), serial);
        const std::int32_t weekday = WeekdayOfSerial(static_cast<double>(serial));
        ASSERT_EQ(weekday, previousWeekday % 7 + 1) << serial;
        previousWeekday = weekday;
    }
}

TEST(CivilDate, EveryDayOfTheSpanFollowsTheDayCount)
{
    CivilDate previous = FirstCoveredDay.AddDays(-1);
    for (std::int64_t days = FirstCoveredDay.Days(); days <= LastCoveredDay.Days(); ++days) {
        const CivilDate date = CivilDate::FromDays(days);
        ASSERT_TRUE(date.IsValid()) << days;
        ASSERT_EQ(date.Days(), days);
        ASSERT_EQ(previous.AddDays(1), date) << days;
        ASSERT_LT(previous, date) << days;
        ASSERT_EQ(date - previous, 1);
        ASSERT_EQ(date.Weekday(), previous.Weekday() % 7 + 1) << days;
        ASSERT_EQ(date.IsWeekend(), date.Weekday() == 1 || date.Weekday() == 7);
        CivilDate parsed;
        ASSERT_TRUE(ParseIsoDate(IsoDate(date), parsed) && parsed == date) << days;
        previous = date;
    }
    EXPECT_EQ(previous, LastCoveredDay);
}

TEST(DateSerial, Weekdays)
{
    EXPECT_EQ(WeekdayOfSerial(0), 7);  // 1899-12-30 was a Saturday
    EXPECT_EQ(WeekdayOfDate(2008, 2, 8), 6);
    EXPECT_EQ(WeekdayOfDate(2011, 5, 1), 1);
    EXPECT_EQ(WeekdayOfSerial(36526.75), 7);  // the time of day does not move the date
}

TEST(DateSerial, MonthLengthsFollowTheFullLeapRule)
{
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 1, 0));
}

TEST(Clock, AFixedClockKeepsItsDay)
{
    FixedClock clock({2008, 2, 8});
    EXPECT_EQ(clock.Today(), (CivilDate{2008, 2, 8}));
    clock.Day = {1901, 1, 1};
    EXPECT_EQ(clock.Today(), (CivilDate{1901, 1, 1}));
}

TEST(Clock, TheSystemClockAgreesWithTheCLibrary)
{
    // Read the C library on both sides of the clock, so that a midnight in between
    // cannot fail the comparison.
    const auto local = [] {
        const std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        return CivilDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
    };
    const CivilDate before = local();
    const CivilDate today = TheSystemClock().Today();
    const CivilDate after = local();
    EXPECT_TRUE(today == before || today == after) << today.year << "-" << today.month << "-" << today.day;
    EXPECT_TRUE(IsValidDate(today.year, today.month, today.day));
}
