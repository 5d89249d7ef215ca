// Star signs of a month and day, and the era phrase of a year.
#include <array>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace {

struct StarSign {
    const char* Name;
    std::int32_t FromMonth, FromDay, ToMonth, ToDay;  // inclusive
    const char* Description;
};

// Tried in order; 摩羯 spans the turn of the year, so it has two rows.
constexpr std::array<StarSign, 13> StarSigns = {{
    {"白羊", 3, 21, 4, 19, "阳性、火象星座，守护行星：火星"},
    {"金牛", 4, 20, 5, 20, "阴性、地象星座，守护行星：金星"},
    {"双子", 5, 21, 6, 21, "阳性、风象星座，守护行星：水星"},
    {"巨蟹", 6, 22, 7, 22, "阴性、水象星座守护行星：月亮"},
    {"狮子", 7, 23, 8, 22, "阳性、火象星座，守护行星：太阳"},
    {"处女", 8, 23, 9, 22, "阴性、土象星座，守护行星：水星"},
    {"天平", 9, 23, 10, 23, "阳性、风象星座，守护行星：金星"},
    {"天蝎", 10, 24, 11, 21, "阴性、水象星座，守护行星：冥王星(传统上为火星)"},
    {"射手", 11, 22, 12, 21, "阳性、火象星座，守护行星：木星"},
    {"摩羯", 12, 22, 12, 31, "阴性、土象星座，守护行星：土星"},
    {"摩羯", 1, 1, 1, 19, "阴性、土象星座，守护行星：土星"},
    {"水瓶", 1, 20, 2, 18, "阳性、风象星座,守护行星：天王星(传统上为土星)"},
    {"双鱼", 2, 19, 3, 20, "阴性、水象星座，守护行星：海王星"},
}};

const StarSign* FindSign(std::int32_t month, std::int32_t day)
{
    if (!dovrin::IsValidDate(2000, month, day)) return nullptr;  // a leap year, so 2/29 fits
    const std::int32_t key = month * 100 + day;
    for (const StarSign& sign : StarSigns)
        if (key >= sign.FromMonth * 100 + sign.FromDay && key <= sign.ToMonth * 100 + sign.ToDay) return &sign;
    return nullptr;
}

}  // namespace

std::string clsDate::Constellation(std::int32_t month, std::int32_t day) const
{
    const StarSign* sign = FindSign(month, day);
    return sign ? sign->Name : "";
}

std::string clsDate::Constellation2(std::int32_t month, std::int32_t day) const
{
    const StarSign* sign = FindSign(month, day);
    return sign ? sign->Description : "";
}

std::string clsDate::Era(std::int32_t year) const
{
    const auto spelled = [this](std::int32_t count) { return UpNumber(std::to_string(count)); };
    if (year < 1874) return "未知";
    if (year == 1874) return "清朝同治十三年";  // the last year before the Guangxu reign
    if (year == 1875) return "清朝光绪元年";
    if (year <= 1908) return "清朝光绪" + spelled(year - 1874) + "年";
    if (year == 1909) return "清朝宣统元年";
    if (year <= 1911) return "清朝宣统" + spelled(year - 1909 + 1) + "年";
    if (year == 1912) return "中华民国元年";
    if (year <= 1948) return "中华民国" + spelled(year - 1912 + 1) + "年";
    if (year == 1949) return "中华人民共和国成立了";
    if (year == 2000) return "千禧年";
    return "中华人民共和国成立" + spelled(year - 1949) + "周年";
}
