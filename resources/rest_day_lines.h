// The line format of the official days off and make-up working days, shared by the build
// step that checks the built-in file and by the programs that read a user's file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_serial.h"

namespace dovrin {

enum class DayOff { None, Rest, Work };  // an ordinary day, 休, 班

struct RestDayLine {
    CivilDate date;
    DayOff kind = DayOff::None;
    std::string holiday;
};

struct RestDayLines {
    std::vector<RestDayLine> lines;
    // One text a refused line: "NAME:LINE: what is wrong".
    std::vector<std::string> errors;
};

// Why the three fields of a line make no line, or "" when `line` holds them: a real date
// YYYY-MM-DD, 休 or 班, 班 on a Saturday or Sunday, a holiday of UTF-8 text without control
// characters. Every reader of days off checks its lines with it.
std::string ReadRestDayFields(std::string_view date, std::string_view kind, std::string_view holiday, RestDayLine& line);

// Reads "YYYY-MM-DD<TAB>休|班<TAB>holiday" lines; # comments and empty lines are skipped.
// A line that is no real date, an unknown kind, 班 on a weekday, a date already given, text
// that is not UTF-8 or a line longer than 200 bytes is refused and reported; the others
// count. With `inOrder`, a date before the one above is refused as well. `name` is the
// file name the errors give.
RestDayLines ParseRestDayLines(std::string_view text, std::string_view name, bool inOrder);

// The line that ParseRestDayLines reads back as `line`, with its line feed.
std::string RestDayLineText(const RestDayLine& line);

}  // namespace dovrin
