// Lunar years 1900-2100: one packed word per year, the year lengths and the days before each.
#include "calendar/lunar_table.h"

#include "calendar/computed_lunar_years.h"

namespace dovrin {
namespace {

// The published calendars, lunar 1900-2049. 1996 and 2033 as the official tables have them:
// months 4 to 8 of 1996 alternate 29 and 30 days, and 2033's leap month follows the 11th,
// the first month without a principal term after 冬至's month (GB/T 33661-2017).
constexpr std::array<std::int32_t, 150> PublishedLunarInfo = {
    0x104BD8, 0x104AE0, 0x10A570, 0x1054D5, 0x10D260, 0x10D950, 0x116554, 0x1056A0, 0x109AD0, 0x1055D2,  // 1900
    0x104AE0, 0x10A5B6, 0x10A4D0, 0x10D250, 0x11D255, 0x10B540, 0x10D6A0, 0x10ADA2, 0x1095B0, 0x114977,  // 1910
    0x104970, 0x10A4B0, 0x10B4B5, 0x106A50, 0x106D40, 0x11AB54, 0x102B60, 0x109570, 0x1052F2, 0x104970,  // 1920
    0x106566, 0x10D4A0, 0x10EA50, 0x106E95, 0x105AD0, 0x102B60, 0x1186E3, 0x1092E0, 0x11C8D7, 0x10C950,  // 1930
    0x10D4A0, 0x11D8A6, 0x10B550, 0x1056A0, 0x11A5B4, 0x1025D0, 0x1092D0, 0x10D2B2, 0x10A950, 0x10B557,  // 1940
    0x106CA0, 0x10B550, 0x115355, 0x104DA0, 0x10A5D0, 0x114573, 0x1052D0, 0x10A9A8, 0x10E950, 0x106AA0,  // 1950
    0x10AEA6, 0x10AB50, 0x104B60, 0x10AAE4, 0x10A570, 0x105260, 0x10F263, 0x10D950, 0x105B57, 0x1056A0,  // 1960
    0x1096D0, 0x104DD5, 0x104AD0, 0x10A4D0, 0x10D4D4, 0x10D250, 0x10D558, 0x10B540, 0x10B5A0, 0x1195A6,  // 1970
    0x1095B0, 0x1049B0, 0x10A974, 0x10A4B0, 0x10B27A, 0x106A50, 0x106D40, 0x10AF46, 0x10AB60, 0x109570,  // 1980
    0x104AF5, 0x104970, 0x1064B0, 0x1074A3, 0x10EA50, 0x106B58, 0x105AC0, 0x10AB60, 0x1096D5, 0x1092E0,  // 1990
    0x10C960, 0x10D954, 0x10D4A0, 0x10DA50, 0x107552, 0x1056A0, 0x10ABB7, 0x1025D0, 0x1092D0, 0x10CAB5,  // 2000
    0x10A950, 0x10B4A0, 0x10BAA4, 0x10AD50, 0x1055D9, 0x104BA0, 0x10A5B0, 0x115176, 0x1052B0, 0x10A930,  // 2010
    0x107954, 0x106AA0, 0x10AD50, 0x105B52, 0x104B60, 0x10A6E6, 0x10A4E0, 0x10D260, 0x10EA65, 0x10D530,  // 2020
    0x105AA0, 0x1076A3, 0x1096D0, 0x104AFB, 0x104AD0, 0x10A4D0, 0x11D0B6, 0x10D250, 0x10D520, 0x10DD45,  // 2030
    0x10B5A0, 0x1056D0, 0x1055B2, 0x1049B0, 0x10A577, 0x10A4B0, 0x10AA50, 0x11B255, 0x106D20, 0x10ADA0,  // 2040
};

constexpr std::array<std::int32_t, 150> PublishedLunarYearDays = {
    384, 354, 355, 383, 354, 355, 384, 354, 355, 384,  // 1900
    354, 384, 354, 354, 384, 354, 355, 384, 355, 384,  // 1910
    354, 354, 384, 354, 354, 385, 354, 355, 384, 354,  // 1920
    383, 354, 355, 384, 355, 354, 384, 354, 384, 354,  // 1930
    354, 384, 355, 354, 385, 354, 354, 384, 354, 384,  // 1940
    354, 355, 384, 354, 355, 384, 354, 383, 355, 354,  // 1950
    384, 355, 354, 384, 355, 353, 384, 355, 384, 354,  // 1960
    355, 384, 354, 354, 384, 354, 384, 354, 355, 384,  // 1970
    355, 354, 384, 354, 384, 354, 354, 384, 355, 355,  // 1980
    384, 354, 354, 383, 355, 384, 354, 355, 384, 354,  // 1990
    354, 384, 354, 355, 384, 354, 385, 354, 354, 384,  // 2000
    354, 354, 384, 355, 384, 354, 355, 384, 354, 354,  // 2010
    384, 354, 355, 384, 354, 384, 354, 354, 384, 355,  // 2020
    354, 384, 355, 384, 354, 354, 384, 354, 354, 384,  // 2030
    355, 355, 384, 354, 384, 354, 354, 384, 354, 355,  // 2040
};

// The published years, then those computed from the sky at build time.
static_assert(FirstComputedLunarYear == FirstLunarYear + 150 && 150 + ComputedLunarInfo.size() == LunarYearCount);
constexpr std::array<std::int32_t, LunarYearCount> Joined(const std::array<std::int32_t, 150>& published,
                                                           const std::array<std::int32_t, ComputedLunarInfo.size()>& computed)
{
    std::array<std::int32_t, LunarYearCount> all{};
    std::size_t i = 0;
    for (std::int32_t value : published) all[i++] = value;
    for (std::int32_t value : computed) all[i++] = value;
    return all;
}

constexpr std::array<std::int32_t, LunarYearCount> AllLunarYearDays = Joined(PublishedLunarYearDays, ComputedLunarYearDays);

constexpr std::array<std::int64_t, LunarYearCount + 1> DaysBefore = [] {
    std::array<std::int64_t, LunarYearCount + 1> before{};
    for (std::size_t i = 0; i < LunarYearCount; ++i) before[i + 1] = before[i] + AllLunarYearDays[i];
    return before;
}();
// The span's last day is fixed in span.h; the computed years must end on it.
static_assert(DaysBefore.back() == LastLunarIndex);

}  // namespace

const std::array<std::int32_t, LunarYearCount> LunarInfo = Joined(PublishedLunarInfo, ComputedLunarInfo);
const std::array<std::int32_t, LunarYearCount> LunarYearDays = AllLunarYearDays;
const std::array<std::int64_t, LunarYearCount + 1> LunarDaysBefore = DaysBefore;

const std::array<std::int32_t, 32> BitMask = [] {
    std::array<std::int32_t, 32> mask{};
    for (int i = 0; i < 31; ++i) mask[i] = std::int32_t{1} << i;
    mask[31] = INT32_MIN;  // the sign bit
    return mask;
}();

}  // namespace dovrin
