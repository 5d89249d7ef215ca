// The official days off and make-up working days: the built-in arrangement, with a user's
// file laid over it. The one place that answers whether a day is 休 or 班.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "resources/rest_day_lines.h"

namespace dovrin {

struct RestDayInfo {
    DayOff kind = DayOff::None;
    std::string holiday;  // "" for an ordinary day
};

using RestDayPeriod = DayOffPeriod;

class RestDays {
public:
    // The built-in arrangement.
    RestDays();

    // The user's line wins for its date.
    void Overlay(const std::vector<RestDayLine>& lines);

    RestDayInfo Lookup(CivilDate date) const;
    // The last year with any line; 0 when there is none.
    std::int32_t LastYear() const;
    // Whether the year's arrangement is known: a year up to the last built-in one, or one
    // the user's file has a line in.
    bool Covers(std::int32_t year) const;
    // The periods and working days that touch from..to, in date order.
    std::vector<RestDayPeriod> Periods(CivilDate from, CivilDate to) const;

private:
    std::map<std::int64_t, RestDayLine> days;  // by day number
    std::int32_t lastBuiltInYear = 0;
};

// $XDG_DATA_HOME/dovrin/rest-days.tsv, or ~/.local/share/dovrin/rest-days.tsv when that
// variable is unset, empty or a relative path (which the XDG Base Directory rules call
// invalid); "" when HOME is unset too. The arguments are the variables' values, or nullptr.
std::string UserRestDaysPath(const char* xdgDataHome, const char* home);

// The built-in arrangement with holiday-cn's YYYY.json files in the folder of `userPath`
// laid over it, and the file at `userPath` over those: the TSV wins for a date both give.
// Every file is read by ReadUserFile. A missing file is silence; a file that cannot be read
// adds "FILE: what (reason)" to `skipped`, a refused line its "FILE:LINE: what is wrong" (at
// most 20 a file), all in the user's language. The built-in days apply whatever the files hold.
RestDays LoadRestDays(const std::string& userPath, std::vector<std::string>& skipped);

}  // namespace dovrin
