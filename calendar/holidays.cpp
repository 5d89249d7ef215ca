// Holidays: fixed Gregorian days, fixed lunar days and days named by a weekday of a month.
#include <array>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"
#include "calendar/lunar_table.h"

namespace {

struct HolidayEntry {
    std::int32_t Month;
    std::int32_t Day;   // day of the month; the occurrence (1 = first) in the week table
    std::int32_t Flag;  // 1 = statutory rest day; the weekday (1 = Sunday) in the week table
    const char* Text;
};

constexpr std::array<HolidayEntry, 44> sHolidayTable = {{
    {1, 1, 1, "元旦"},
    {2, 14, 0, "情人节"},
    {2, 10, 0, "国际气象节"},
    {3, 8, 0, "妇女节"},
    {3, 12, 0, "植树节"},
    {3, 15, 0, "消费者权益日"},
    {4, 1, 0, "愚人节"},
    {5, 1, 1, "劳动节"},
    {5, 4, 0, "青年节"},
    {5, 12, 0, "护士节"},
    {5, 31, 0, "世界无烟日"},
    {6, 1, 0, "儿童节"},
    {7, 1, 0, "建党节 香港回归纪念"},
    {8, 1, 0, "建军节"},
    {8, 8, 0, "中国男子节 父亲节"},
    {9, 9, 0, "毛泽东逝世纪念日"},
    {9, 10, 0, "教师节"},
    {9, 18, 0, "九·一八事变纪念日"},
    {9, 28, 0, "孔子诞辰纪念日"},
    {10, 1, 0, "国庆节 国际音乐日"},
    {10, 6, 0, "老人节"},
    {10, 24, 0, "联合国日"},
    {11, 12, 0, "孙中山诞辰纪念日"},
    {11, 1, 0, "国际旅游电影节"},
    {11, 8, 0, "中国记者日"},
    {11, 10, 0, "世界青年日"},
    {11, 14, 0, "世界糖尿病日"},
    {11, 17, 0, "世界学生节"},
    {12, 1, 0, "世界艾滋病日"},
    {12, 3, 0, "世界残疾人日"},
    {12, 20, 0, "澳门回归纪念"},
    {12, 24, 0, "平安夜"},
    {12, 25, 0, "圣诞节"},
    {12, 26, 0, "毛泽东诞辰纪念日"},
    {12, 9, 0, "世界足球日"},
    {12, 10, 0, "世界人权日"},
    {12, 13, 0, "南京大屠杀纪念日"},
    {9, 3, 0, "抗日战争胜利日"},
    {9, 17, 0, "国际和平日"},
    {9, 20, 0, "全国爱牙日"},
    {10, 8, 0, "全国高血压日"},
    {10, 15, 0, "国际盲人节(白手杖日)"},
    {10, 16, 0, "世界粮食日"},
    {10, 31, 0, "万圣节"},
}};

// The flags are data only; nothing reads them.
constexpr std::array<HolidayEntry, 9> lHolidayTable = {{
    {1, 1, 1, "春节"},
    {1, 15, 0, "元宵节"},
    {5, 5, 0, "端午节"},
    {7, 7, 0, "七夕情人节"},
    {7, 15, 0, "中元节 盂兰盆节"},
    {8, 15, 0, "中秋节"},
    {9, 9, 0, "重阳节"},
    {12, 8, 0, "腊八节"},
    {12, 24, 0, "小年"},
}};

constexpr std::array<HolidayEntry, 8> wHolidayTable = {{
    {5, 2, 1, "国际母亲节"},
    {5, 3, 1, "全国助残日"},
    {6, 3, 1, "父亲节"},
    {9, 3, 3, "国际和平日"},
    {9, 4, 1, "国际聋人节"},
    {10, 1, 2, "国际住房日"},
    {10, 2, 4, "国际减轻自然灾害日"},
    {11, 4, 5, "感恩节"},
}};

const HolidayEntry* FindGregorian(std::int32_t month, std::int32_t day)
{
    for (const HolidayEntry& entry : sHolidayTable)
        if (entry.Month == month && entry.Day == day) return &entry;
    return nullptr;
}

}  // namespace

std::string clsDate::sHoliday() const
{
    const HolidayEntry* entry = FindGregorian(m_sMonth, m_sDay);
    return entry ? entry->Text : "";
}

bool clsDate::sHolidayRecess() const
{
    const HolidayEntry* entry = FindGregorian(m_sMonth, m_sDay);
    return entry && entry->Flag == 1;
}

std::string clsDate::lHoliday() const
{
    if (!HoldsCoveredDay()) return {};  // no lunar date to read
    if (m_lMonth == 12 && (m_lDay == 29 || m_lDay == 30)) {
        // New Year's Eve is the last day of the twelfth month, whichever length it has.
        const std::int64_t tomorrow = static_cast<std::int64_t>(m_Date) - dovrin::LunarIndexEpoch + 1;
        if (tomorrow > dovrin::LastLunarIndex) return "除夕";  // the span's last day ends its last lunar year
        return LunarOfIndex(tomorrow).year == std::int64_t{m_lYear} + 1 ? "除夕" : "";
    }
    if (m_IsLeap) return {};  // a festival falls in the ordinary month only
    for (const HolidayEntry& entry : lHolidayTable)
        if (entry.Month == m_lMonth && entry.Day == m_lDay) return entry.Text;
    return {};
}

std::string clsDate::wHoliday() const
{
    // A row names the n-th given weekday of its month: weekday w and (d - 1) div 7 + 1 = n.
    const std::int32_t weekday = sWeekDay();
    const std::int64_t occurrence = (std::int64_t{m_sDay} - 1) / 7 + 1;
    std::string result;
    for (const HolidayEntry& entry : wHolidayTable)
        if (entry.Month == m_sMonth && entry.Flag == weekday && entry.Day == occurrence) result = entry.Text;
    return result;
}
