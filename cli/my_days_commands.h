// dovrin-cal's commands on the user's own days: added to and removed from my-days.tsv,
// listed with the dates they come next, exported as iCalendar events, and reminded of.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "calendar/my_day_rules.h"

namespace dovrin::cli {


// The days of the user's file, with a message for each line that is no day (and for a
// file that cannot be read) added to `err`. A missing file holds no days.
std::vector<MyDay> ReadMyDays(const std::string& path, std::string& err);

// --add-day TITLE DATE [--since YEAR] [--remind N,…]
struct AddDayRequest {
    std::string title;
    std::string date;                     // as ParseMyDayDate reads it
    std::int32_t since = 0;               // 0: none given
    std::optional<std::string> reminders; // "3,1", "无"; none: the kind's
};

// Each returns the exit status: 0; 1 when the file cannot be read or written; 2 for a
// request the file refuses (a title there already or not there, a date that is none).
int AddDay(const AddDayRequest& request, const std::string& path, std::string& out, std::string& err);
int RemoveDay(const std::string& title, const std::string& path, std::string& out, std::string& err);

// --my-days: every day with its next date and the days until it, in the file's order.
int ListMyDays(const std::string& path, CivilDate today, std::string& out, std::string& err);

// --remind: one notification of the days whose reminder falls today. The lines it shows,
// "3天后：妈妈生日（农历八月十五，六十六岁）", nearest first; empty when none falls today.
std::vector<std::string> ReminderLines(const std::vector<MyDay>& days, CivilDate today);
int RemindToday(const std::string& path, CivilDate today, std::string& out, std::string& err);

}  // namespace dovrin::cli
