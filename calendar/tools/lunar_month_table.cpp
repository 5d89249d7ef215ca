// Lunar years from libnova's new moons and principal terms, written out as packed words the
// calendar embeds, with a list of the instants that fall near Beijing midnight.
//
// Usage: lunar_month_table OUTPUT.h NEAR_MIDNIGHT.txt FIRST_YEAR LAST_YEAR LISTED_FROM_YEAR
#include <libnova/julian_day.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/tools/lunar_months.h"

namespace {

using dovrin::ephemeris::LunarMonth;

constexpr double JulianDayOfSerialZero = 2415018.5;  // 1899-12-30 00:00
constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int64_t NearMidnight = 10 * 60;  // seconds

ln_date DateOfInstant(std::int64_t beijingSeconds)
{
    ln_date date{};
    ln_get_date(JulianDayOfSerialZero + static_cast<double>(dovrin::ephemeris::DayOfInstant(beijingSeconds)), &date);
    return date;
}

// "YYYY-MM-DD HH:MM:SS" in Beijing time.
std::string Timestamp(std::int64_t beijingSeconds)
{
    const ln_date date = DateOfInstant(beijingSeconds);
    const std::int64_t second = beijingSeconds - dovrin::ephemeris::DayOfInstant(beijingSeconds) * SecondsPerDay;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.years, date.months, date.days,
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    return text;
}

// Seconds from the nearest Beijing midnight, negative before it.
std::int64_t FromMidnight(std::int64_t beijingSeconds)
{
    const std::int64_t second = beijingSeconds - dovrin::ephemeris::DayOfInstant(beijingSeconds) * SecondsPerDay;
    return second <= SecondsPerDay / 2 ? second : second - SecondsPerDay;
}

std::string MonthName(const LunarMonth& month)
{
    return std::to_string(month.year) + (month.leap ? " leap month " : " month ") + std::to_string(month.number);
}

// The lunar year's word as LunarInfo packs it: bits 0-3 the leap month, bit 16 - m month m
// big, bit 16 the leap month big, bit 20 set. False when the year's months do not run 1..12
// in order with at most one leap month after its namesake.
bool PackYear(const std::vector<LunarMonth>& months, std::size_t from, std::size_t to, std::int32_t& word,
              std::int32_t& days)
{
    word = 0x100000;
    days = 0;
    std::int32_t expected = 1;
    for (std::size_t i = from; i < to; ++i) {
        const LunarMonth& month = months[i];
        const std::int64_t length = months[i + 1].first - month.first;
        if (length != 29 && length != 30) return false;
        if (month.leap) {
            if ((word & 0xF) != 0 || month.number != expected - 1) return false;
            word |= month.number;
            if (length == 30) word |= 1 << 16;
        } else {
            if (month.number != expected++) return false;
            if (length == 30) word |= 1 << (16 - month.number);
        }
        days += static_cast<std::int32_t>(length);
    }
    return expected == 13;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::cerr << "usage: lunar_month_table OUTPUT.h NEAR_MIDNIGHT.txt FIRST_YEAR LAST_YEAR LISTED_FROM_YEAR\n";
        return 2;
    }
    const int firstYear = std::atoi(argv[3]);
    const int lastYear = std::atoi(argv[4]);
    const int listedFrom = std::atoi(argv[5]);
    if (firstYear < 1900 || lastYear < firstYear || lastYear > 2148 || listedFrom < 1901 || listedFrom > lastYear) {
        std::cerr << "lunar_month_table: years " << argv[3] << "-" << argv[4] << " from " << argv[5]
                  << " outside 1900-2148\n";
        return 2;
    }

    std::vector<LunarMonth> months;
    std::vector<dovrin::ephemeris::PrincipalTerm> terms;
    try {
        months = dovrin::ephemeris::LunarMonths(std::min(firstYear, listedFrom - 1), lastYear);
        terms = dovrin::ephemeris::PrincipalTerms(listedFrom, lastYear + 1);
    } catch (const std::exception& e) {
        std::cerr << "lunar_month_table: " << e.what() << '\n';
        return 1;
    }

    std::vector<std::int32_t> words, yearDays;
    std::size_t from = 0;
    while (months[from].year < firstYear) ++from;
    for (int year = firstYear; year <= lastYear; ++year) {
        std::size_t to = from;
        while (months[to].year == year) ++to;
        std::int32_t word = 0, days = 0;
        if (!PackYear(months, from, to, word, days)) {
            std::cerr << "lunar_month_table: the months of " << year << " do not make a lunar year\n";
            return 1;
        }
        words.push_back(word);
        yearDays.push_back(days);
        from = to;
    }

    // Where the day of a month's start or of a principal term hangs on seconds of a predicted ΔT.
    ln_date listedStart{listedFrom, 1, 1, 0, 0, 0};
    const std::int64_t listedFromSecond =
        std::llround(ln_get_julian_day(&listedStart) - JulianDayOfSerialZero) * SecondsPerDay;
    std::ostringstream near;
    near << "New moons and principal terms within " << NearMidnight / 60 << " minutes of Beijing midnight, "
         << listedFrom << "-" << lastYear + 1 << ":\n";
    for (const LunarMonth& month : months)
        if (month.newMoon >= listedFromSecond && std::llabs(FromMidnight(month.newMoon)) <= NearMidnight)
            near << "  " << Timestamp(month.newMoon) << "  " << FromMidnight(month.newMoon)
                 << " s  new moon: " << MonthName(month) << " begins " << Timestamp(month.first * SecondsPerDay).substr(0, 10)
                 << '\n';
    for (const auto& term : terms)
        if (std::llabs(FromMidnight(term.instant)) <= NearMidnight)
            near << "  " << Timestamp(term.instant) << "  " << FromMidnight(term.instant) << " s  " << term.name << '\n';
    std::cout << near.str();

    std::ofstream list(argv[2], std::ios::binary);
    list << near.str();
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Lunar years " << firstYear << '-' << lastYear
        << ", written by calendar/tools/lunar_month_table from libnova's new moons and principal terms.\n"
           "#pragma once\n\n#include <array>\n#include <cstdint>\n\n"
           "namespace dovrin {\n\n"
           "inline constexpr std::int32_t FirstComputedLunarYear = "
        << firstYear << ";\n\n// Packed as LunarInfo.\ninline constexpr std::array<std::int32_t, " << words.size()
        << "> ComputedLunarInfo = {\n";
    for (std::size_t i = 0; i < words.size(); ++i) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%06X,", static_cast<unsigned>(words[i]));
        out << (i % 10 == 0 ? "   " : "") << ' ' << hex << (i % 10 == 9 || i + 1 == words.size() ? "\n" : "");
    }
    out << "};\n\ninline constexpr std::array<std::int32_t, " << yearDays.size() << "> ComputedLunarYearDays = {\n";
    for (std::size_t i = 0; i < yearDays.size(); ++i)
        out << (i % 10 == 0 ? "   " : "") << ' ' << yearDays[i] << ','
            << (i % 10 == 9 || i + 1 == yearDays.size() ? "\n" : "");
    out << "};\n\n}  // namespace dovrin\n";
    out.close();
    list.close();
    if (!out || !list) {
        std::cerr << "lunar_month_table: cannot write " << argv[1] << " or " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
