// Solar terms: the 24 offsets from the 1900 epoch, on a mean tropical year.
#include <array>
#include <cstdio>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace {

constexpr std::array<const char*, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Minutes from the year's 小寒 to each term.
constexpr std::array<std::int32_t, 24> SolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
    173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
    353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

constexpr std::int64_t EpochMinutes = 7 * 1440 + 125;       // 1900-01-06 02:05 after serial 0
constexpr std::int64_t YearHundredthsOfMinute = 52594876;  // 525948.76 minutes

}  // namespace

namespace {

// Minutes after serial 0 of term k of the given year.
std::int64_t TermMinutes(std::int32_t year, std::size_t k)
{
    const std::int64_t hundredths =
        (std::int64_t{year} - 1900) * YearHundredthsOfMinute + std::int64_t{SolarTermMinutes[k]} * 100;
    return EpochMinutes + dovrin::FloorDiv(hundredths + 50, 100);  // nearest minute; never a tie
}

// Index of the term whose instant falls on the given day, or -1.
int TermOnDay(std::int32_t year, std::int64_t day)
{
    for (std::size_t k = 0; k < SolarTermNames.size(); ++k) {
        if (dovrin::FloorDiv(TermMinutes(year, k), 1440) == day) return static_cast<int>(k);
    }
    return -1;
}

}  // namespace

std::string clsDate::lSolarTerm() const
{
    const int k = TermOnDay(m_sYear, static_cast<std::int64_t>(m_Date));
    return k < 0 ? std::string{} : SolarTermNames[static_cast<std::size_t>(k)];
}

std::string clsDate::lSolarTermTime() const
{
    const int k = TermOnDay(m_sYear, static_cast<std::int64_t>(m_Date));
    if (k < 0) return {};
    const std::int64_t minutes = TermMinutes(m_sYear, static_cast<std::size_t>(k));
    const std::int64_t minuteOfDay = minutes - 1440 * dovrin::FloorDiv(minutes, 1440);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:00", static_cast<int>(minuteOfDay / 60),
                  static_cast<int>(minuteOfDay % 60));
    return text;
}
