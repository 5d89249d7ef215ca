// Lunar months from the new moons and the principal terms of the ephemeris.
#include "calendar/tools/lunar_months.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "calendar/tools/ephemeris.h"

namespace dovrin::ephemeris {
namespace {

constexpr double SynodicMonth = 29.530589;  // days
constexpr std::int64_t SecondsPerDay = 86400;

// Terms 1, 3, ... 23 of the year, 大寒 to 冬至.
constexpr std::array<const char*, 12> PrincipalTermNames = {"大寒", "雨水", "春分", "谷雨", "小满", "夏至",
                                                            "大暑", "处暑", "秋分", "霜降", "小雪", "冬至"};

double Settled(double jde, const std::string& what)
{
    if (std::isnan(jde)) throw std::runtime_error(what + " not found");
    return jde;
}

}  // namespace

std::int64_t DayOfInstant(std::int64_t beijingSeconds)
{
    // Floor division: instants before serial 0 belong to the day before.
    return beijingSeconds / SecondsPerDay - (beijingSeconds % SecondsPerDay < 0);
}

std::vector<PrincipalTerm> PrincipalTerms(int firstYear, int lastYear)
{
    std::vector<PrincipalTerm> terms;
    for (int year = firstYear; year <= lastYear; ++year)
        for (int k = 1; k < 24; k += 2) {
            const double jde = Settled(SolarTermJde(year, k), "term " + std::to_string(k) + " of " + std::to_string(year));
            terms.push_back({BeijingSeconds(jde), PrincipalTermNames[static_cast<std::size_t>(k / 2)]});
        }
    return terms;
}

std::vector<LunarMonth> LunarMonths(int firstYear, int lastYear)
{
    // The years from 冬至 of firstYear - 1 to 冬至 of lastYear + 1 hold every month asked for.
    std::vector<std::int64_t> principal;  // Beijing days
    std::vector<std::int64_t> winterSolstices;
    const double firstSolstice = Settled(SolarTermJde(firstYear - 1, 23), "冬至 of " + std::to_string(firstYear - 1));
    principal.push_back(DayOfInstant(BeijingSeconds(firstSolstice)));
    winterSolstices.push_back(principal.back());
    for (const PrincipalTerm& term : PrincipalTerms(firstYear, lastYear + 1)) {
        principal.push_back(DayOfInstant(term.instant));
        if (principal.size() % 12 == 1) winterSolstices.push_back(principal.back());
    }

    // Each new moon is sought a mean month after the last, so none is skipped or found twice.
    std::vector<LunarMonth> months;
    double jde = Settled(NewMoonJde(firstSolstice - SynodicMonth), "the new moon before 冬至");
    do {
        const std::int64_t instant = BeijingSeconds(jde);
        months.push_back({instant, DayOfInstant(instant)});
        jde = Settled(NewMoonJde(jde + SynodicMonth), "a new moon");
    } while (months.back().first <= winterSolstices.back() + 31);

    // The month holding a day: the last one that begins on or before it.
    std::size_t hint = 0;
    const auto monthOf = [&months, &hint](std::int64_t day) {
        while (hint > 0 && months[hint].first > day) --hint;
        while (hint + 1 < months.size() && months[hint + 1].first <= day) ++hint;
        return hint;
    };
    for (std::int64_t day : principal) months[monthOf(day)].principalTerm = true;

    for (std::size_t y = 0; y + 1 < winterSolstices.size(); ++y) {
        const std::size_t from = monthOf(winterSolstices[y]);
        const std::size_t to = monthOf(winterSolstices[y + 1]);
        std::int32_t year = firstYear - 1 + static_cast<std::int32_t>(y);
        std::int32_t number = 11;
        months[from].year = year;
        months[from].number = number;
        bool leapLeft = to - from == 13;
        for (std::size_t i = from + 1; i < to; ++i) {
            if (leapLeft && !months[i].principalTerm) {
                months[i].leap = true;
                leapLeft = false;
            } else if ((number = number % 12 + 1) == 1) {
                ++year;
            }
            months[i].year = year;
            months[i].number = number;
        }
    }

    // From 正月 of firstYear to 正月 of lastYear + 1.
    std::vector<LunarMonth> asked;
    for (const LunarMonth& month : months)
        if ((month.year >= firstYear && month.year <= lastYear) ||
            (month.year == lastYear + 1 && month.number == 1 && !month.leap))
            asked.push_back(month);
    return asked;
}

}  // namespace dovrin::ephemeris
