// The day information text: everything the information window says about the selected day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/my_day_rules.h"
#include "resources/reference_texts.h"

namespace dovrin {

// Main window caption for the long date shown in the title label.
std::string DayInfoCaption(const std::string& label1Caption);

// On the day a solar term begins, the term and its instant in Beijing time,
// "惊蛰 21:58:52（北京时间）"; empty on any other day.
std::string SolarTermInstant(const clsDate& calDate);

// The whole text for year-month-day, lines ending in CR LF. On the day a solar term
// begins, a line gives its instant. The user's days of that date and those to come within
// 30 days follow, before the almanac. Leaves calDate on that day.
std::string DayInfoText(clsDate& calDate, const ReferenceTexts& texts,
                        std::int16_t curYear, std::int16_t curMonth, std::int16_t curDay,
                        const std::vector<MyDay>& myDays = {});

// The section of the user's days: "我的日子：…" on the date itself, then one line for each
// day to come within 30 days; nothing when there is neither.
void AppendMyDaysText(std::string& text, const std::vector<MyDay>& myDays, CivilDate date);

}  // namespace dovrin
