// The State Council's yearly notice on public holidays (国务院办公厅关于YYYY年部分节假日安排的通知),
// read as published into lines of the user's file of days off.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resources/rest_day_lines.h"

namespace dovrin {

struct Notice {
    std::int32_t year = 0;
    // Every day off of each holiday period, with the Saturdays and Sundays that adjoin it and
    // are no working days, and every make-up working day; in date order.
    std::vector<RestDayLine> lines;
    // In the user's language, each naming its item. With any error the lines are not to be used.
    std::vector<std::string> errors;
};

// Reads the notice's numbered items ("一、元旦：…"), in each of the wordings used since 2008,
// with full-width or ASCII punctuation, stray spaces and line breaks inside an item; text
// before the first item and after the last is left alone. `year` is the one the user gave,
// 0 to take it from the title.
Notice ParseNotice(std::string_view text, std::int32_t year);

}  // namespace dovrin
