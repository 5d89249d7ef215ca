// The 黄历 section of the day text: the almanac's day in a few lines.
#pragma once

#include <string>

#include "calendar/date_serial.h"

namespace dovrin {

// Appends the section for `date` to the day text `text`, on a line of its own, lines ending in
// CR LF: the pillars by 立春 and the 节, the 交节 instant on a 节 day, 建除 with the day's god
// and 宿, the 伏, the 九 and the 历书梅 where they apply, and the 候. Nothing outside the span
// the solar-term table covers.
void AppendAlmanacText(std::string& text, CivilDate date);

}  // namespace dovrin
