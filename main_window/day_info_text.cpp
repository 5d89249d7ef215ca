// Composes the day information text from the date object and the reference texts.
#include "day_info_text.h"

namespace dovrin {

std::string DayInfoCaption(const std::string& label1Caption)
{
    return "Dovrin万年历 - [" + label1Caption + "]";
}

std::string DayInfoText(clsDate& calDate, const ReferenceTexts&, std::int16_t curYear,
                        std::int16_t curMonth, std::int16_t curDay)
{
    calDate.sInitDate(curYear, curMonth, curDay);
    return "日程信息 (" + std::to_string(curYear) + "年" + std::to_string(curMonth) + "月" +
           std::to_string(curDay) + "日)\r\n";
}

}  // namespace dovrin
