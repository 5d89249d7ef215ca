// The almanac's day, computed from the continuous count of days and the solar-term instants.
#include "calendar/almanac.h"

#include <algorithm>

#include "calendar/solar_term_instants.h"
#include "calendar/span.h"

namespace dovrin {
namespace {

constexpr std::int64_t SecondsPerDay = 86400;

// Terms by their index in the table's years, 0 = 小寒.
constexpr std::int32_t MangZhong = 10;  // 芒种
constexpr std::int32_t XiaZhi = 11;     // 夏至
constexpr std::int32_t XiaoShu = 12;    // 小暑
constexpr std::int32_t LiQiu = 14;      // 立秋
constexpr std::int32_t DongZhi = 23;    // 冬至

constexpr std::int32_t Bing = 2;  // 丙, a stem
constexpr std::int32_t Geng = 6;  // 庚, a stem
constexpr std::int32_t Wei = 7;   // 未, a branch

// Serial anchors of the two day cycles: 2000-01-01 is 戊午 (54), 2026-07-20 is 张 (25).
constexpr std::int64_t DayCycleSerial = 36526;
constexpr std::int32_t DayCyclePlace = 54;
constexpr std::int64_t MansionSerial = 46223;
constexpr std::int32_t MansionPlace = 25;

// The 冬至 before the table's first, from the same ephemeris (1899-12-22 08:56 Beijing time):
// the 数九 of the span's first weeks count from it.
constexpr std::int64_t WinterSolstice1899Serial = -8;

Sexagenary DayPillar(std::int64_t serial) { return {FloorMod(serial - DayCycleSerial + DayCyclePlace, 60)}; }

std::int64_t TermInstant(std::int32_t year, std::int32_t term)
{
    return SolarTermInstants[static_cast<std::size_t>((year - FirstSolarTermYear) * 24 + term)];
}

std::int64_t TermDay(std::int32_t year, std::int32_t term)
{
    return FloorDiv(TermInstant(year, term), SecondsPerDay);
}

bool TableHoldsYear(std::int32_t year) { return year >= FirstSolarTermYear && year <= LastSolarTermYear; }

// The first day from `from` on, `from` itself included, with the stem or the branch asked for.
std::int64_t FirstStemDay(std::int64_t from, std::int32_t stem) { return from + FloorMod(stem - DayPillar(from).Stem(), 10); }
std::int64_t FirstBranchDay(std::int64_t from, std::int32_t branch)
{
    return from + FloorMod(branch - DayPillar(from).Branch(), 12);
}

// The serials of a Gregorian year's 伏 and 历书梅 days; the year must be in the table.
struct SummerDays {
    std::int64_t firstFu;   // 初伏: the third 庚 day from 夏至
    std::int64_t middleFu;  // 中伏: the fourth
    std::int64_t lastFu;    // 末伏: the first 庚 day from 立秋
    std::int64_t fuEnds;    // 出伏: ten days on
    std::int64_t meiyuStarts;  // 入梅: the first 丙 day from 芒种
    std::int64_t meiyuEnds;    // 出梅: the first 未 day from 小暑
};

SummerDays SummerOfYear(std::int32_t year)
{
    const std::int64_t firstGeng = FirstStemDay(TermDay(year, XiaZhi), Geng);
    const std::int64_t lastFu = FirstStemDay(TermDay(year, LiQiu), Geng);
    return {firstGeng + 20, firstGeng + 30, lastFu, lastFu + 10,
            FirstStemDay(TermDay(year, MangZhong), Bing), FirstBranchDay(TermDay(year, XiaoShu), Wei)};
}

// The serial of a year's 冬至, or nullopt beyond what the table and the 1899 day reach.
std::optional<std::int64_t> WinterSolstice(std::int32_t year)
{
    if (year == FirstSolarTermYear - 1) return WinterSolstice1899Serial;
    if (!TableHoldsYear(year)) return std::nullopt;
    return TermDay(year, DongZhi);
}

// The month and year pillars from the 节 in force, `jie` its index into the table.
void SetMonthAndYear(AlmanacDay& almanac, std::size_t jie)
{
    const auto jieOfYear = static_cast<std::int32_t>(jie % 24);
    const auto month = FloorMod(jieOfYear / 2 - 1, 12);  // 0 = 寅 month (立春) ... 11 = 丑 month (小寒)
    const auto tableYear = FirstSolarTermYear + static_cast<std::int32_t>(jie / 24);
    almanac.year = Sexagenary::OfYear(jieOfYear == 0 ? tableYear - 1 : tableYear);
    // 五虎遁: the 寅 month's stem is 丙 in a 甲 or 己 year, 戊 in 乙/庚 ... 甲 in 戊/癸.
    almanac.month = Sexagenary::OfStemAndBranch(almanac.year.Stem() * 2 + 2 + month, month + 2);
}

void SetSummer(AlmanacDay& almanac, std::int64_t serial)
{
    const SummerDays summer = SummerOfYear(almanac.date.year);
    almanac.entersMeiyu = serial == summer.meiyuStarts;
    almanac.leavesMeiyu = serial == summer.meiyuEnds;
    if (serial < summer.firstFu || serial >= summer.fuEnds) return;
    const bool last = serial >= summer.lastFu;
    const bool middle = !last && serial >= summer.middleFu;
    almanac.fu = last ? FuPeriod::Last : middle ? FuPeriod::Middle : FuPeriod::First;
    const std::int64_t start = last ? summer.lastFu : middle ? summer.middleFu : summer.firstFu;
    almanac.fuDay = static_cast<std::int32_t>(serial - start + 1);
}

void SetNines(AlmanacDay& almanac, std::int64_t serial)
{
    std::optional<std::int64_t> solstice = WinterSolstice(almanac.date.year);
    if (!solstice || serial < *solstice) solstice = WinterSolstice(almanac.date.year - 1);
    if (!solstice || serial < *solstice || serial - *solstice >= 81) return;
    const auto count = static_cast<std::int32_t>(serial - *solstice);  // [0, 80]
    almanac.nine = count / 9 + 1;
    almanac.nineDay = count % 9 + 1;
}

}  // namespace

std::optional<AlmanacDay> AlmanacOfDay(CivilDate date)
{
    if (!date.IsValid() || date < FirstCoveredDay || date > LastCoveredDay) return std::nullopt;
    const std::int64_t serial = date.Days();
    AlmanacDay almanac;
    almanac.date = date;
    almanac.day = DayPillar(serial);

    // The term in force is the last whose instant falls before the next day begins.
    const auto& instants = SolarTermInstants;
    const auto next = std::lower_bound(instants.begin(), instants.end(), (serial + 1) * SecondsPerDay);
    const auto term = static_cast<std::size_t>(next - instants.begin() - 1);
    const std::int64_t termDay = FloorDiv(instants[term], SecondsPerDay);
    almanac.term = static_cast<std::int32_t>(term % 24);
    almanac.pentad = static_cast<std::int32_t>(std::min<std::int64_t>((serial - termDay) / 5, 2));

    const std::size_t jie = term - term % 2;  // the 节 are the even places: 小寒, 立春 ... 大雪
    SetMonthAndYear(almanac, jie);
    if (jie == term && termDay == serial) almanac.jieInstant = instants[term];

    almanac.zhiXing = FloorMod(almanac.day.Branch() - almanac.month.Branch(), 12);
    // 青龙 falls on 子 in 寅 and 申 months and two branches later with each month after.
    almanac.god = FloorMod(almanac.day.Branch() - 2 * (almanac.month.Branch() - 2), 12);
    almanac.mansion = FloorMod(serial - MansionSerial + MansionPlace, 28);
    SetSummer(almanac, serial);
    SetNines(almanac, serial);
    return almanac;
}

std::vector<SeasonalDay> SeasonalDays(CivilDate first, CivilDate last)
{
    std::vector<SeasonalDay> days;
    const std::int64_t from = first.Days();
    const std::int64_t to = last.Days();
    const auto add = [&](std::int64_t serial, std::string_view name) {
        if (serial >= from && serial <= to) days.push_back({CivilDate::FromDays(serial), name});
    };
    // A winter's nines run into the next year, so the year before `first` may hold some.
    const std::int32_t lastYear = std::min(last.year, LastSolarTermYear);
    for (std::int32_t year = std::max(first.year, FirstSolarTermYear) - 1; year <= lastYear; ++year) {
        if (TableHoldsYear(year)) {
            const SummerDays summer = SummerOfYear(year);
            add(summer.meiyuStarts, "入梅");
            add(summer.meiyuEnds, "出梅");
            add(summer.firstFu, FuName(FuPeriod::First));
            add(summer.middleFu, FuName(FuPeriod::Middle));
            add(summer.lastFu, FuName(FuPeriod::Last));
            add(summer.fuEnds, "出伏");
        }
        if (const auto solstice = WinterSolstice(year))
            for (std::int32_t nine = 1; nine <= 9; ++nine) add(*solstice + 9 * (nine - 1), NineName(nine));
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const SeasonalDay& a, const SeasonalDay& b) { return a.date < b.date; });
    return days;
}

}  // namespace dovrin
