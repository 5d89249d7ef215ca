// dovrin-cal's commands on the user's own days.
#include "my_days_commands.h"

#include "my_days_ics.h"
#include "my_days_notify.h"
#include "resources/messages.h"
#include "resources/my_days.h"
#include "resources/rest_day_lines.h"
#include "resources/user_file.h"

namespace dovrin::cli {
namespace {

int Fail(int status, const std::string& why, std::string& err)
{
    err += Format(_("dovrin-cal: {1}"), {why}) + "\n";
    return status;
}

std::string NoPlace()
{
    return _("the user's file has no place: neither XDG_DATA_HOME nor HOME is set");
}

// Changes the file with `edit` under the lock (see UpdateMyDaysFile). Returns the exit
// status: 2 when the edit refused, 1 when the file did.
template <typename Edit>
int UpdateMyDays(const std::string& path, const Edit& edit, std::string& err)
{
    if (path.empty()) return Fail(1, NoPlace(), err);
    const MyDaysUpdate result = UpdateMyDaysFile(path, edit);
    if (!result.error.empty()) return Fail(result.refused ? 2 : 1, result.error, err);
    return 0;
}

// The day a request describes, or why it is none.
std::string DayOf(const AddDayRequest& request, MyDay& day)
{
    day.title = request.title;
    if (std::string why = ParseMyDayDate(request.date, day); !why.empty()) return why;
    if (request.since) {
        if (day.firstYear && day.firstYear != request.since)
            return Format(_("the date's year {1} and --since {2} differ"),
                          {std::to_string(day.firstYear), std::to_string(request.since)});
        day.firstYear = request.since;
    }
    if (request.reminders) return ParseMyDayReminders(*request.reminders, day);
    return {};
}

}  // namespace

std::vector<MyDay> ReadMyDays(const std::string& path, std::string& err)
{
    if (path.empty()) return {};
    const UserFile file = ReadUserFile(path);
    std::vector<std::string> messages = file.messages;
    const MyDaysFile days = ParseMyDays(file.text);
    std::vector<std::string> lines;
    for (const MyDayBadLine& bad : days.bad)
        lines.push_back(LineError(path, static_cast<std::size_t>(bad.line),
                                  Format(_("{1}; the line is kept as it is"), {bad.reason})));
    AddLineMessages(messages, lines, path);
    for (const std::string& message : messages) err += Format(_("dovrin-cal: {1}"), {message}) + "\n";
    return days.days;
}

int AddDay(const AddDayRequest& request, const std::string& path, std::string& out, std::string& err)
{
    MyDay day;
    if (std::string why = DayOf(request, day); !why.empty()) return Fail(2, why, err);
    if (std::string why = CheckMyDay(day); !why.empty()) return Fail(2, why, err);
    const int status = UpdateMyDays(path, [&](const std::string& text) { return AddMyDay(text, day); }, err);
    if (status == 0)
        out = Format(_("{1} ({2}) added to {3}"), {day.title, MyDayDateText(day), path}) + "\n";
    return status;
}

int RemoveDay(const std::string& title, const std::string& path, std::string& out, std::string& err)
{
    const int status = UpdateMyDays(path, [&](const std::string& text) { return RemoveMyDay(text, title); }, err);
    if (status == 0) out = Format(_("{1} removed from {2}"), {title, path}) + "\n";
    return status;
}

int ListMyDays(const std::string& path, CivilDate today, std::string& out, std::string& err)
{
    if (path.empty()) return Fail(1, NoPlace(), err);
    const std::vector<MyDay> days = ReadMyDays(path, err);
    if (days.empty()) out = Format(_("No days of your own in {1}; add one with --add-day TITLE DATE"), {path}) + "\n";
    for (const MyDay& day : days) out += MyDayListText(day, today) + "\n";
    return 0;
}

std::vector<std::string> ReminderLines(const std::vector<MyDay>& days, CivilDate today)
{
    std::vector<std::string> lines;
    for (const MyDayOnDate& due : MyDaysToRemind(days, today)) {
        const auto ahead = static_cast<std::int32_t>(due.date - today);
        lines.push_back(RemindWhenText(ahead) + "：" + MyDayTitleText(days[due.index], due.occurrence));
    }
    return lines;
}

int RemindToday(const std::string& path, CivilDate today, std::string& out, std::string& err)
{
    const std::vector<std::string> lines = ReminderLines(ReadMyDays(path, err), today);
    if (lines.empty()) return 0;
    std::string body;
    for (const std::string& line : lines) body += (body.empty() ? "" : "\n") + line;
    if (std::string why = Notify("我的日子", body); !why.empty()) return Fail(1, why, err);
    out = body + "\n";
    return 0;
}

}  // namespace dovrin::cli
