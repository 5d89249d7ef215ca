// The dialog of one of the user's days: its fields, its preview and its saving.
#include "main_window/my_day_form.h"

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/span.h"
#include "calendar/utf8.h"

namespace dovrin {
namespace {

std::string RemindText(const std::vector<std::int32_t>& days)
{
    if (days.empty()) return "无";
    std::string text;
    for (const std::int32_t before : days) {
        if (!text.empty()) text += ',';
        text += std::to_string(before);
    }
    return text;
}

// "农历八月十五", the lunar date a Gregorian date falls on.
std::string LunarDateOf(CivilDate date)
{
    clsDate lunar;
    lunar.sInitDate(date.year, date.month, date.day);
    return "农历" + LunarMonthCustomName(lunar.lMonth(), lunar.IsLeap()) + lunar.CDayStr(lunar.lDay());
}

std::string PreviewLine(const MyDay& day, const MyDayOccurrence& occurrence)
{
    const CivilDate date = occurrence.date;
    std::string inside = LunarDateOf(date);
    if (const std::string years = YearsText(day, occurrence); !years.empty()) inside += "，" + years;
    std::string line = ChineseDate(date.year, date.month, date.day) + "（" + inside + "）";
    if (const std::string shift = MyDayShiftText(day, occurrence); !shift.empty()) line += "，" + shift;
    return line;
}

MyDaySave WriteIfUnchanged(const std::string& path, const std::string& shown,
                           const std::function<MyDaysEdit(const std::string&)>& edit)
{
    if (path.empty()) return {"我的日子没有存放的地方：XDG_DATA_HOME 和 HOME 都没有设置", false};
    MyDaySave result;
    const MyDaysUpdate update = UpdateMyDaysFile(path, [&](const std::string& current) -> MyDaysEdit {
        if (current != shown) {
            result.stale = true;
            return {{}, path + " 在窗口读取之后被别的程序改动过，这次没有保存。窗口已重新读取它，请核对后再保存。"};
        }
        return edit(current);
    });
    result.error = update.error;
    return result;
}

}  // namespace

MyDayForm NewMyDayForm(CivilDate selected)
{
    MyDayForm form;
    RepeatBy(form, true, selected);
    return form;
}

MyDayForm MyDayFormOf(const MyDay& day)
{
    MyDayForm form;
    form.title = day.title;
    form.lunar = day.lunar;
    form.month = day.month;
    form.day = day.day;
    form.leap = day.lunar && day.leap;
    form.since = day.firstYear ? std::to_string(day.firstYear) : "";
    form.kind = day.kind;
    form.shortMonth = day.shortMonth;
    form.missingLeap = day.missingLeap;
    form.leapYear = day.leapYear;
    form.commonYear = day.commonYear;
    form.remind = day.remind ? RemindText(*day.remind) : "";
    return form;
}

void RepeatBy(MyDayForm& form, bool lunar, CivilDate selected)
{
    form.lunar = lunar;
    if (!lunar) {
        form.month = selected.month;
        form.day = selected.day;
        form.leap = false;
        return;
    }
    clsDate date;
    date.sInitDate(selected.year, selected.month, selected.day);
    form.month = date.lMonth();
    form.day = date.lDay();
    form.leap = date.IsLeap();
}

bool NeedsShortMonthRule(const MyDayForm& form)
{
    return form.lunar && form.day == 30;
}

bool NeedsMissingLeapRule(const MyDayForm& form)
{
    return form.lunar && form.leap;
}

bool NeedsLeapYearRule(const MyDayForm& form)
{
    return form.lunar && !form.leap;
}

bool NeedsCommonYearRule(const MyDayForm& form)
{
    return !form.lunar && form.month == 2 && form.day == 29;
}

std::string DayOfForm(const MyDayForm& form, MyDay& day)
{
    day = MyDay{};
    day.title = form.title;
    day.lunar = form.lunar;
    day.month = form.month;
    day.day = form.day;
    day.leap = form.lunar && form.leap;
    day.kind = form.kind;
    day.shortMonth = form.shortMonth;
    day.missingLeap = form.missingLeap;
    day.leapYear = form.leapYear;
    day.commonYear = form.commonYear;
    if (const std::string since = std::string(TrimmedSpaces(form.since)); !since.empty()) {
        if (since.size() > 4 || !ParseDigits(since, day.firstYear) || day.firstYear < 1)
            return "起始年份“" + since + "”不是年份，应为 1 到 9999 的数字，或者不填";
    }
    if (const std::string remind = std::string(TrimmedSpaces(form.remind)); !remind.empty())
        if (std::string why = ParseMyDayReminders(remind, day); !why.empty()) return why;
    return CheckMyDay(day);
}

std::string DefaultRemindText(const MyDayForm& form)
{
    MyDay day;
    day.title = form.title;
    day.kind = form.kind;
    return RemindText(RemindersOf(day));
}

std::string PreviewText(const MyDayForm& form, CivilDate from, std::size_t count)
{
    MyDayForm previewed = form;
    if (TrimmedSpaces(previewed.title).empty()) previewed.title = "我的日子";
    MyDay day;
    if (std::string why = DayOfForm(previewed, day); !why.empty()) return why;
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<MyDayOccurrence> next = NextOccurrence(day, from);
        if (!next) break;
        if (!text.empty()) text += '\n';
        text += PreviewLine(day, *next);
        from = next->date.AddDays(1);
    }
    if (text.empty()) return "到 " + std::to_string(LastCoveredDay.year) + " 年为止不再有这一天";
    return text;
}

std::string BadLinesNote(const MyDaysFile& file)
{
    if (file.bad.empty()) return {};
    const MyDayBadLine& first = file.bad.front();
    std::string note = "文件的第 " + std::to_string(first.line) + " 行无法使用（" + first.reason + "）";
    if (file.bad.size() > 1) note += "，另有 " + std::to_string(file.bad.size() - 1) + " 行也是";
    return note + "；保存时这些行原样保留";
}

MyDaySave SaveMyDay(const std::string& path, const std::string& shown, const std::string& was, const MyDay& day)
{
    return WriteIfUnchanged(path, shown, [&](const std::string& current) {
        return was.empty() ? AddMyDay(current, day) : ChangeMyDay(current, was, day);
    });
}

MyDaySave RemoveMyDayFromFile(const std::string& path, const std::string& shown, const std::string& title)
{
    return WriteIfUnchanged(path, shown, [&](const std::string& current) { return RemoveMyDay(current, title); });
}

}  // namespace dovrin
