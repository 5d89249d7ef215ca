// The dialog that adds or changes one of the user's days, without Qt: what its controls
// start with, the day they describe, the dates it will fall on, and the saving.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "calendar/my_day_rules.h"
#include "resources/my_days.h"

namespace dovrin {

// What the dialog's controls hold.
struct MyDayForm {
    std::string title;
    bool lunar = true;
    std::int32_t month = 1;         // [1, 12]
    std::int32_t day = 1;           // [1, 30] lunar, [1, 31] Gregorian
    bool leap = false;              // lunar only
    std::string since;              // the first year as typed; "" when not known
    std::optional<MyDayKind> kind;  // none: read from the title
    ShortMonthRule shortMonth = ShortMonthRule::LastDay;
    MissingLeapRule missingLeap = MissingLeapRule::OrdinaryMonth;
    LeapYearRule leapYear = LeapYearRule::Once;
    CommonYearRule commonYear = CommonYearRule::Feb28;
    std::string remind;             // days before as typed, "3,1" or "无"; "" for the kind's own
};

// A new day on `selected`, repeating by the lunar calendar.
MyDayForm NewMyDayForm(CivilDate selected);
// The form that changes `day`.
MyDayForm MyDayFormOf(const MyDay& day);
// The form repeating by the lunar calendar or the Gregorian one, its month and day those of
// `selected` in that calendar; nothing else changes.
void RepeatBy(MyDayForm& form, bool lunar, CivilDate selected);

// Which rules the date needs: day 30 of a lunar month, a leap month or an ordinary one
// (which may have a leap month after it), Gregorian 2-29.
bool NeedsShortMonthRule(const MyDayForm& form);
bool NeedsMissingLeapRule(const MyDayForm& form);
bool NeedsLeapYearRule(const MyDayForm& form);
bool NeedsCommonYearRule(const MyDayForm& form);

// The day the form describes, or why it describes none; "" when it does.
std::string DayOfForm(const MyDayForm& form, MyDay& day);

// The reminders the day's kind gives when none are typed: "3,1", or "无".
std::string DefaultRemindText(const MyDayForm& form);

// The next `count` dates from `from` on, one a line: "2027年9月15日（农历八月十五，六十六岁）",
// with what a rule did that year after a "，"; or why there are none.
std::string PreviewText(const MyDayForm& form, CivilDate from, std::size_t count = 3);

// What the window knows of the file it showed its days from: the refused lines, in a few
// words for the dialog ("第 3 行无法使用：…；保存时原样保留"); "" when there are none.
std::string BadLinesNote(const MyDaysFile& file);

// How saving ended: "" when written; `stale` when nothing was written because the file is
// no longer the one the window showed.
struct MyDaySave {
    std::string error;
    bool stale = false;
};

// Writes `day` to the file at `path`, in place of the day titled `was` or, when `was` is
// empty, as a new day, provided the file still holds `shown`, the text the window read it
// with: otherwise another program changed it since, and nothing is written.
MyDaySave SaveMyDay(const std::string& path, const std::string& shown, const std::string& was, const MyDay& day);
// Takes the day titled `title` out of the file, on the same condition.
MyDaySave RemoveMyDayFromFile(const std::string& path, const std::string& shown, const std::string& title);

}  // namespace dovrin
