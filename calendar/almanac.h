// The almanac's day: the year, month and day pillars and the layers that follow from them and
// from the solar terms by published rules (建除, 黄道黑道, 二十八宿, 三伏, 数九, 七十二候, 历书入梅).
// Beijing time, the civil day as the day; the conventions are set out in docs/almanac.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_serial.h"

namespace dovrin {

// A place in the sixty-fold cycle of stems and branches; 0 is 甲子.
struct Sexagenary {
    std::int32_t index = 0;  // [0, 59]

    std::int32_t Stem() const { return index % 10; }    // 0 = 甲 ... 9 = 癸
    std::int32_t Branch() const { return index % 12; }  // 0 = 子 ... 11 = 亥
    std::string_view Name() const;                      // "甲子"
    // Stem and branch of equal parity (only those pairs occur); both taken modulo their count.
    static Sexagenary OfStemAndBranch(std::int32_t stem, std::int32_t branch);
    // The cycle's place of a year, as the year's 干支 names it: 1864 is 甲子.
    static Sexagenary OfYear(std::int32_t year);

    friend bool operator==(const Sexagenary&, const Sexagenary&) = default;
};

enum class FuPeriod { None, First, Middle, Last };

std::string_view FuName(FuPeriod fu);          // "初伏", "中伏", "末伏"; "" for None
std::string_view NineName(std::int32_t nine);  // 1..9: "一九" ... "九九"; "" otherwise

struct AlmanacDay {
    CivilDate date;
    Sexagenary year;   // the 立春 year: it changes at 立春, not on 1 January or at 春节
    Sexagenary month;  // by the 节, the whole 节 day in the new month
    Sexagenary day;
    std::int32_t zhiXing = 0;  // 建除十二值 [0, 11], 0 = 建
    std::int32_t god = 0;      // 黄道黑道十二神 [0, 11], 0 = 青龙
    std::int32_t mansion = 0;  // 二十八宿 [0, 27], 0 = 角
    FuPeriod fu = FuPeriod::None;
    std::int32_t fuDay = 0;    // [1, 20] inside a 伏, else 0
    std::int32_t nine = 0;     // 数九 [1, 9], 0 outside the 81 days
    std::int32_t nineDay = 0;  // [1, 9], 0 outside
    std::int32_t term = 0;     // the term in force [0, 23], 0 = 小寒 ... 23 = 冬至
    std::int32_t pentad = 0;   // its 候 [0, 2]: 初候, 二候, 三候
    bool entersMeiyu = false;  // 历书入梅: an almanac's day, not the weather bureau's
    bool leavesMeiyu = false;  // 历书出梅
    // On a 节 day, the term's instant in seconds after serial 0 (1899-12-30 00:00), Beijing
    // time; -1 on other days.
    std::int64_t jieInstant = -1;

    std::string_view ZhiXingName() const;      // "建"
    std::string_view GodName() const;          // "玄武"
    bool IsHuangDao() const;                   // 青龙 明堂 金匮 天德 玉堂 司命
    std::string_view MansionName() const;      // "张"
    std::string_view MansionLongName() const;  // with its 七曜 and animal: "张月鹿"
    std::string FuText() const;                // "初伏第6天"; "" outside the 伏
    std::string NineText() const;              // "一九第4天"; "" outside
    std::string PentadLabel() const;           // "小暑三候"
    std::string_view PentadName() const;       // "鹰始挚"
    std::string JieText() const;               // "立春 04:02 交节"; "" on other days
};

// The almanac of a day of the covered span (FirstCoveredDay .. LastCoveredDay); nullopt
// outside it.
std::optional<AlmanacDay> AlmanacOfDay(CivilDate date);

// The days that begin a seasonal count: 初伏, 中伏, 末伏, 出伏 (the day after the 伏),
// 一九 ... 九九 (the first day of each 九), 入梅 and 出梅 (the texts call them 历书入梅/出梅).
struct SeasonalDay {
    CivilDate date;
    std::string_view name;
    friend bool operator==(const SeasonalDay&, const SeasonalDay&) = default;
};

// Those days from `first` to `last` (both included) in date order, as far as the solar-term
// table reaches.
std::vector<SeasonalDay> SeasonalDays(CivilDate first, CivilDate last);

}  // namespace dovrin
