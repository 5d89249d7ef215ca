// Chinese numerals: lunar day names and spelled-out numbers.
#include <array>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/utf8.h"

namespace {

constexpr std::array<const char*, 11> NumeralChars = {"日", "一", "二", "三", "四", "五",
                                                      "六", "七", "八", "九", "十"};
constexpr std::array<const char*, 5> DayTensPrefix = {"初", "十", "廿", "卅", "\u3000"};

}  // namespace

std::string clsDate::CDayStr(std::int32_t day) const
{
    if (day == 0) return {};
    if (day == 10) return "初十";
    if (day == 20) return "二十";
    if (day == 30) return "三十";
    if (day < 0 || day > 49) return {};  // no name past the tables
    return std::string(DayTensPrefix[day / 10]) + NumeralChars[day % 10];
}

std::string clsDate::UpDigit(const std::string& digit)
{
    static constexpr std::array<const char*, 10> numerals = {"零", "一", "二", "三", "四",
                                                             "五", "六", "七", "八", "九"};
    // Anything but a single decimal digit reads as zero.
    const int value = (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') ? digit[0] - '0' : 0;
    return numerals[value];
}

std::string clsDate::UpNumber(const std::string& text) const
{
    const std::string_view digits = dovrin::TrimmedSpaces(text);
    if (digits.empty()) return {};
    const std::vector<std::string_view> characters = dovrin::Utf8Characters(digits);

    static constexpr std::array<const char*, 9> units = {"", "十", "百", "千", "万", "十", "百", "千", "亿"};
    std::string result;
    std::size_t position = 0;  // 1 = the last character
    for (auto it = characters.rbegin(); it != characters.rend(); ++it) {
        ++position;
        std::string s = UpDigit(std::string(*it));
        const bool zero = s == "零";
        if (position == 1) {
            if (zero) s.clear();
        } else if (position == 5 || position == 9) {
            s = zero ? units[position - 1] : s + units[position - 1];
        } else if (position <= 8) {
            s = zero ? "零" : s + units[position - 1];
        }  // beyond the 亿 position a digit takes no unit

        if (s != "零") {
            result = s + result;
        } else if (!result.empty() && !result.starts_with("零") && !result.starts_with("万") &&
                   !result.starts_with("亿")) {
            // One zero between non-zero digits; none at the end and none before 万 or 亿.
            result = "零" + result;
        }
    }
    return result;
}
