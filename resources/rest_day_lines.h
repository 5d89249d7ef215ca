// The line format of the official days off and make-up working days, shared by the build
// step that checks the built-in file and by the programs that read a user's file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_serial.h"
#include "calendar/day_look.h"

namespace dovrin {

struct RestDayLine {
    CivilDate date;
    DayOff kind = DayOff::None;
    std::string holiday;
};

struct RestDayLines {
    std::vector<RestDayLine> lines;
    // One text a refused line: "NAME:LINE: what is wrong", in the user's language.
    std::vector<std::string> errors;
};

// Why a day off or working day cannot be used, whatever file it came from, or "" when it
// can: a date that is no real day or lies outside the calendar's span, 班 on a weekday, a
// holiday name that is empty, not UTF-8 or holds a control character.
std::string CheckRestDay(const RestDayLine& line);

// The three fields of a line read into `line` and checked by CheckRestDay: why they make no
// line, or "". Every reader of days off (the TSV lines, holiday-cn's JSON) goes through it.
std::string ReadRestDayFields(std::string_view date, std::string_view kind, std::string_view holiday,
                              RestDayLine& line);

// Reads "YYYY-MM-DD<TAB>休|班<TAB>holiday" lines; # comments and empty lines are skipped.
// A line that CheckRestDay refuses, that holds a control character other than the tabs, is
// not UTF-8, is longer than 200 bytes, has an unknown kind or a date already given is refused
// and reported; the others count. With `inOrder`, a date before the one above is refused as
// well. `name` is the file name the errors give.
RestDayLines ParseRestDayLines(std::string_view text, std::string_view name, bool inOrder);

// The year of the yearly notice that arranges `date`: a December date belongs to the next
// year's, whose 元旦 it is.
std::int32_t NoticeYearOf(CivilDate date);

// "NAME:LINE: why", as every reader of days off names a refused line.
std::string LineError(std::string_view name, std::size_t line, std::string_view why);

// Why `date` cannot be taken again from one file ("DATE is given twice"), or "" after
// noting it in `seen`.
std::string GivenTwice(std::set<CivilDate>& seen, CivilDate date);

// The line that ParseRestDayLines reads back as `line`, with its line feed.
std::string RestDayLineText(const RestDayLine& line);

}  // namespace dovrin
