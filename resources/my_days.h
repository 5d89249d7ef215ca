// The user's file of their own days, my-days.tsv: one day a line, tab-separated fields
//   title  date  since  rules  remind  kind
// read into days with the lines it cannot use, and rewritten so that only the day added,
// changed or removed differs: comments, empty lines and refused lines stay byte for byte.
// Text in, text out, but for UpdateMyDaysFile, which changes the file through user_file.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/my_day_rules.h"

namespace dovrin {

struct MyDayBadLine {
    std::int32_t line = 0;  // 1-based
    std::string text;       // the line as it stands, without its line end
    std::string reason;     // in the user's language
};

struct MyDaysFile {
    std::vector<MyDay> days;           // in file order, titles all different
    std::vector<std::int32_t> lines;   // the line of each day
    std::vector<MyDayBadLine> bad;
};

// The comment a new file starts with: what each field holds.
std::string MyDaysHeader();

// A date as the file and the command line write it: 农历八月十五, 农历闰四月初一, 农历8月15,
// 农历腊月三十, 10-01, or 2005-10-01 (whose year becomes the first year). Sets the date
// fields of `day` (and firstYear for a full date); "" or why it is no date.
std::string ParseMyDayDate(std::string_view text, MyDay& day);

// The reminders as the file and the command line write them: days before, "3,1", or "无"
// for none. Sets day.remind; "" or why they are no reminders.
std::string ParseMyDayReminders(std::string_view text, MyDay& day);

// Why a day cannot be kept in the file (a title that is empty, starts with #, holds a tab,
// a line end or another control character; a first year outside 1..9999), or "".
std::string CheckMyDay(const MyDay& day);

// The day's line, without its line end; fields that hold their default are left empty.
std::string MyDayLine(const MyDay& day);

// Lines beginning with # and empty lines are skipped; any other line is a day or a bad line.
MyDaysFile ParseMyDays(std::string_view text);

// The file's new text, or why it was not changed (and then `text` is empty).
struct MyDaysEdit {
    std::string text;
    std::string error;
};

// The day on a new last line; a file without any text gets the header first. Refused when
// a day has that title.
MyDaysEdit AddMyDay(std::string_view text, const MyDay& day);
// The line of the day titled `title` rewritten with `day` (which may rename it); fields
// after the known ones stay.
MyDaysEdit ChangeMyDay(std::string_view text, std::string_view title, const MyDay& day);
// The line of the day titled `title` taken out.
MyDaysEdit RemoveMyDay(std::string_view text, std::string_view title);

// How a change of the file ended: "" when it was written, else why not. `refused` when
// the edit itself said no (a title taken, none such) rather than the file.
struct MyDaysUpdate {
    std::string error;
    bool refused = false;
};

// Changes the file at `path` with `edit` under the lock, on the file as it is then, so that
// what another program wrote a moment ago is kept; a file that could not be read whole is
// left as it is.
MyDaysUpdate UpdateMyDaysFile(const std::string& path, const std::function<MyDaysEdit(const std::string&)>& edit);

// my-days.tsv in the folder of the user's rest-days.tsv; "" when that has no place.
std::string MyDaysPath(const std::string& restDaysPath);

}  // namespace dovrin
