// The almanac's names: the twelve 建除 values, the twelve gods of 黄道黑道, the 28 宿 with
// their 七曜 names, the 72 候, and the texts of a day's counts.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "calendar/almanac.h"
#include "calendar/clsDate.h"

namespace dovrin {
namespace {

constexpr std::array<std::string_view, 12> ZhiXingNames = {"建", "除", "满", "平", "定", "执",
                                                           "破", "危", "成", "收", "开", "闭"};

// From 青龙; the 黄道 gods are those whose bit is set in HuangDaoGods.
constexpr std::array<std::string_view, 12> GodNames = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                                       "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
constexpr std::uint32_t HuangDaoGods = 1u << 0 | 1u << 1 | 1u << 4 | 1u << 5 | 1u << 7 | 1u << 10;

// Each 宿 with its 七曜 (木金土日月火水, Thursday to Wednesday) and animal.
constexpr std::array<std::string_view, 28> MansionLongNames = {
    "角木蛟", "亢金龙", "氐土貉", "房日兔", "心月狐", "尾火虎", "箕水豹",  // 东方青龙
    "斗木獬", "牛金牛", "女土蝠", "虚日鼠", "危月燕", "室火猪", "壁水貐",  // 北方玄武
    "奎木狼", "娄金狗", "胃土雉", "昴日鸡", "毕月乌", "觜火猴", "参水猿",  // 西方白虎
    "井木犴", "鬼金羊", "柳土獐", "星日马", "张月鹿", "翼火蛇", "轸水蚓",  // 南方朱雀
};

// The 72 候 as 元·吴澄《月令七十二候集解》 gives them (the list after 《礼记·月令》 that
// modern almanacs print), three to a term, in the solar terms' order from 小寒.
constexpr std::array<std::array<std::string_view, 3>, 24> PentadNames = {{
    {"雁北乡", "鹊始巢", "雉始雊"},                // 小寒
    {"鸡始乳", "征鸟厉疾", "水泽腹坚"},            // 大寒
    {"东风解冻", "蛰虫始振", "鱼陟负冰"},          // 立春
    {"獭祭鱼", "候雁北", "草木萌动"},              // 雨水
    {"桃始华", "仓庚鸣", "鹰化为鸠"},              // 惊蛰
    {"玄鸟至", "雷乃发声", "始电"},                // 春分
    {"桐始华", "田鼠化为鴽", "虹始见"},            // 清明
    {"萍始生", "鸣鸠拂其羽", "戴胜降于桑"},        // 谷雨
    {"蝼蝈鸣", "蚯蚓出", "王瓜生"},                // 立夏
    {"苦菜秀", "靡草死", "麦秋至"},                // 小满
    {"螳螂生", "鵙始鸣", "反舌无声"},              // 芒种
    {"鹿角解", "蜩始鸣", "半夏生"},                // 夏至
    {"温风至", "蟋蟀居壁", "鹰始挚"},              // 小暑
    {"腐草为萤", "土润溽暑", "大雨时行"},          // 大暑
    {"凉风至", "白露降", "寒蝉鸣"},                // 立秋
    {"鹰乃祭鸟", "天地始肃", "禾乃登"},            // 处暑
    {"鸿雁来", "玄鸟归", "群鸟养羞"},              // 白露
    {"雷始收声", "蛰虫坯户", "水始涸"},            // 秋分
    {"鸿雁来宾", "雀入大水为蛤", "菊有黄华"},      // 寒露
    {"豺乃祭兽", "草木黄落", "蛰虫咸俯"},          // 霜降
    {"水始冰", "地始冻", "雉入大水为蜃"},          // 立冬
    {"虹藏不见", "天气上升地气下降", "闭塞而成冬"},  // 小雪
    {"鹖鴠不鸣", "虎始交", "荔挺出"},              // 大雪
    {"蚯蚓结", "麋角解", "水泉动"},                // 冬至
}};

constexpr std::array<std::string_view, 3> PentadOrdinals = {"初候", "二候", "三候"};
constexpr std::array<std::string_view, 9> NineNames = {"一九", "二九", "三九", "四九", "五九",
                                                       "六九", "七九", "八九", "九九"};

constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int32_t CycleStartYear = 1864;  // a 甲子 year

// The term names have their home with the solar terms.
std::string_view TermName(std::int32_t term) { return clsDate::SolarTermName(term); }

}  // namespace

std::string_view FuName(FuPeriod fu)
{
    switch (fu) {
    case FuPeriod::First: return "初伏";
    case FuPeriod::Middle: return "中伏";
    case FuPeriod::Last: return "末伏";
    case FuPeriod::None: break;
    }
    return {};
}

std::string_view NineName(std::int32_t nine)
{
    return nine >= 1 && nine <= 9 ? NineNames[static_cast<std::size_t>(nine - 1)] : std::string_view{};
}

Sexagenary Sexagenary::OfYear(std::int32_t year)
{
    const std::int64_t place = (std::int64_t{year} - CycleStartYear) % 60;
    return {static_cast<std::int32_t>(place < 0 ? place + 60 : place)};
}

Sexagenary Sexagenary::OfStemAndBranch(std::int32_t stem, std::int32_t branch)
{
    // p = 6 stem - 5 branch: with equal parity 5 branch = 5 stem (mod 10) and 6 stem = 6 branch
    // (mod 12), so p = stem (mod 10) and p = branch (mod 12).
    const std::int32_t place = (6 * (stem % 10) - 5 * (branch % 12)) % 60;
    return {place < 0 ? place + 60 : place};
}

// The stem and branch names have their home with the year's 干支; the pairs are made once.
std::string_view Sexagenary::Name() const
{
    static const std::array<std::string, 60> names = [] {
        std::array<std::string, 60> pairs;
        for (std::int32_t i = 0; i < 60; ++i)
            pairs[static_cast<std::size_t>(i)] = std::string(clsDate::StemName(i)) + clsDate::BranchName(i);
        return pairs;
    }();
    return names[static_cast<std::size_t>(index)];
}

std::string_view AlmanacDay::ZhiXingName() const { return ZhiXingNames[static_cast<std::size_t>(zhiXing)]; }
std::string_view AlmanacDay::GodName() const { return GodNames[static_cast<std::size_t>(god)]; }
bool AlmanacDay::IsHuangDao() const { return (HuangDaoGods >> god & 1u) != 0; }

std::string_view AlmanacDay::MansionName() const
{
    return MansionLongNames[static_cast<std::size_t>(mansion)].substr(0, 3);  // one UTF-8 character
}

std::string_view AlmanacDay::MansionLongName() const
{
    return MansionLongNames[static_cast<std::size_t>(mansion)];
}

std::string AlmanacDay::FuText() const
{
    if (fu == FuPeriod::None) return {};
    return std::string(FuName(fu)) + "第" + std::to_string(fuDay) + "天";
}

std::string AlmanacDay::NineText() const
{
    if (nine == 0) return {};
    return std::string(NineName(nine)) + "第" + std::to_string(nineDay) + "天";
}

std::string AlmanacDay::PentadLabel() const
{
    return std::string(TermName(term)) + std::string(PentadOrdinals[static_cast<std::size_t>(pentad)]);
}

std::string_view AlmanacDay::PentadName() const
{
    return PentadNames[static_cast<std::size_t>(term)][static_cast<std::size_t>(pentad)];
}

// Hours and minutes with the seconds dropped, so the time never rounds into the next day.
std::string AlmanacDay::JieText() const
{
    if (jieInstant < 0) return {};
    const std::int64_t second = jieInstant % SecondsPerDay;
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60));
    return std::string(TermName(term)) + " " + clock + " 交节";
}

}  // namespace dovrin
