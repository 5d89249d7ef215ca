// dovrin-cal's command line: what to show, parsed and checked before anything prints.
#pragma once

#include <string>
#include <vector>

#include "calendar/date_serial.h"

namespace dovrin::cli {

enum class Command { Month, Year, Table, Lunar, Info, Help, Version };
enum class ColorMode { Auto, Always, Never };

struct Options {
    Command command = Command::Month;
    ColorMode color = ColorMode::Auto;
    std::int32_t year = 0;   // Month and Year views
    std::int32_t month = 0;  // Month view
    CivilDate from;          // Table, and the day of Info
    CivilDate to;            // Table
    std::int32_t lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    bool leap = false;
};

struct ParseResult {
    Options options;
    std::string error;  // empty when the arguments are good
};

// today fills in the defaults (the current month, the day of --info).
ParseResult ParseOptions(const std::vector<std::string>& args, CivilDate today);

std::string Usage();

}  // namespace dovrin::cli
