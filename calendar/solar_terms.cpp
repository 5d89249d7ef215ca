// Solar terms: the day and instant of each, read from the ephemeris table.
#include <algorithm>
#include <array>
#include <cstdio>

#include "calendar/clsDate.h"
#include "calendar/solar_term_instants.h"

namespace {

constexpr std::array<const char*, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

constexpr std::int64_t SecondsPerDay = 86400;

// Index into SolarTermInstants of the term whose instant falls on the day (a serial), or -1.
// Terms lie at least 14 days apart, so a day holds one at most.
std::ptrdiff_t TermOnDay(double serial)
{
    const auto& instants = dovrin::SolarTermInstants;
    // Outside the table's years; also keeps the products below far from overflow.
    if (!(serial >= static_cast<double>(instants.front() / SecondsPerDay) &&
          serial <= static_cast<double>(instants.back() / SecondsPerDay)))
        return -1;
    const auto dayStart = static_cast<std::int64_t>(serial) * SecondsPerDay;
    const auto found = std::lower_bound(instants.begin(), instants.end(), dayStart);
    if (found == instants.end() || *found >= dayStart + SecondsPerDay) return -1;
    return found - instants.begin();
}

}  // namespace

const char* clsDate::SolarTermName(std::int32_t term)
{
    const std::int32_t count = static_cast<std::int32_t>(SolarTermNames.size());
    return SolarTermNames[static_cast<std::size_t>((term % count + count) % count)];
}

std::string clsDate::lSolarTerm() const
{
    const std::ptrdiff_t i = TermOnDay(m_Date);
    return i < 0 ? std::string{} : SolarTermNames[static_cast<std::size_t>(i) % SolarTermNames.size()];
}

std::string clsDate::lSolarTermTime() const
{
    const std::ptrdiff_t i = TermOnDay(m_Date);
    if (i < 0) return {};
    const std::int64_t second = dovrin::SolarTermInstants[static_cast<std::size_t>(i)] % SecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    return text;
}
