// The day information text: everything the information window says about the selected day.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/clsDate.h"
#include "resources/reference_texts.h"

namespace dovrin {

// Main window caption for the long date shown in the title label.
std::string DayInfoCaption(const std::string& label1Caption);

// The whole text for year-month-day, lines ending in CR LF. Leaves calDate on that day.
std::string DayInfoText(clsDate& calDate, const ReferenceTexts& texts,
                        std::int16_t curYear, std::int16_t curMonth, std::int16_t curDay);

}  // namespace dovrin
