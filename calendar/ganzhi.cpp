// Sexagenary cycle and zodiac animals of a year.
#include <array>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace {

constexpr std::array<const char*, 10> StemNames = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char*, 12> BranchNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<const char*, 12> AnimalNames = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                     "马", "羊", "猴", "鸡", "狗", "猪"};


}  // namespace

const char* clsDate::StemName(std::int32_t stem) { return StemNames[static_cast<std::size_t>(dovrin::FloorMod(stem, 10))]; }
const char* clsDate::BranchName(std::int32_t branch) { return BranchNames[static_cast<std::size_t>(dovrin::FloorMod(branch, 12))]; }

std::string clsDate::GanZhi(std::int32_t year) const
{
    const std::int32_t cycle = dovrin::FloorMod(std::int64_t{year} - 1864, 60);  // 1864 is 甲子
    return std::string(StemName(cycle)) + BranchName(cycle);
}

std::string clsDate::YearAttribute(std::int32_t year) const
{
    return AnimalNames[dovrin::FloorMod(std::int64_t{year} - 1900, 12)];  // 1900 is a year of the rat
}
