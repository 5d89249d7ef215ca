// The file of the user's own days: its lines read and written.
#include "resources/my_days.h"

#include <array>
#include <cstdio>
#include <map>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/utf8.h"
#include "resources/messages.h"
#include "resources/user_file.h"

namespace dovrin {
namespace {

constexpr std::size_t KnownFields = 6;  // title, date, since, rules, remind, kind
constexpr std::int32_t LongestReminder = 366;  // days before

bool Consume(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// Leading ASCII digits as a number; false when there are none or too many.
bool ConsumeNumber(std::string_view& text, std::int32_t& value)
{
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits == 0 || digits > 4 || !ParseDigits(text.substr(0, digits), value)) return false;
    text.remove_prefix(digits);
    return true;
}

// 正月 … 腊月 or 一月 … 十二月, the longest name that matches, or 8月.
bool ConsumeLunarMonth(std::string_view& text, std::int32_t& month)
{
    if (ConsumeNumber(text, month)) return Consume(text, "月");
    std::size_t longest = 0;
    for (std::int32_t m = 1; m <= 12; ++m)
        for (const std::string& name : {LunarMonthCustomName(m, false), MonthName(m)})
            if (text.starts_with(name) && name.size() > longest) {
                longest = name.size();
                month = m;
            }
    text.remove_prefix(longest);
    return longest > 0;
}

// 初一 … 三十, or 1 … 30 with or without 日.
bool ReadLunarDay(std::string_view text, std::int32_t& day)
{
    if (ConsumeNumber(text, day)) {
        Consume(text, "日");
        return text.empty();
    }
    const clsDate names;
    for (std::int32_t d = 1; d <= 30; ++d)
        if (text == names.CDayStr(d)) {
            day = d;
            return true;
        }
    return false;
}

std::string ParseLunarDate(std::string_view text, MyDay& day)
{
    const std::string whole(text);
    day.lunar = true;
    day.leap = Consume(text, "闰");
    if (!ConsumeLunarMonth(text, day.month) || day.month < 1 || day.month > 12 || !ReadLunarDay(text, day.day) ||
        day.day < 1 || day.day > 30)
        return Format(_("'{1}' is not a lunar date such as 农历八月十五 or 农历8月15"), {"农历" + whole});
    return {};
}

std::string ParseGregorianDate(std::string_view text, MyDay& day)
{
    day.lunar = false;
    day.leap = false;
    CivilDate date;
    if (ParseIsoDate(text, date)) {
        if (!date.IsValid() || date.year < 1) return Format(_("'{1}' is not a real day"), {text});
        day.month = date.month;
        day.day = date.day;
        day.firstYear = date.year;
        return {};
    }
    std::string_view rest = text;
    std::int32_t month = 0, dayOfMonth = 0;
    if (ConsumeNumber(rest, month) && Consume(rest, "-") && ConsumeNumber(rest, dayOfMonth) && rest.empty() &&
        IsValidDate(2000, month, dayOfMonth)) {  // 2000 is a leap year: 02-29 is a date
        day.month = month;
        day.day = dayOfMonth;
        return {};
    }
    return Format(_("'{1}' is not a date such as 农历八月十五, 10-01 or 2005-10-01"), {text});
}

// The rules field: key=value tokens separated by spaces or commas.
const std::map<std::string, void (*)(MyDay&), std::less<>>& RuleTokens()
{
    static const std::map<std::string, void (*)(MyDay&), std::less<>> tokens = {
        {"小月=廿九", [](MyDay& d) { d.shortMonth = ShortMonthRule::LastDay; }},
        {"小月=跳过", [](MyDay& d) { d.shortMonth = ShortMonthRule::Skip; }},
        {"小月=初一", [](MyDay& d) { d.shortMonth = ShortMonthRule::NextMonthFirst; }},
        {"无闰=平月", [](MyDay& d) { d.missingLeap = MissingLeapRule::OrdinaryMonth; }},
        {"无闰=跳过", [](MyDay& d) { d.missingLeap = MissingLeapRule::Skip; }},
        {"有闰=一次", [](MyDay& d) { d.leapYear = LeapYearRule::Once; }},
        {"有闰=两次", [](MyDay& d) { d.leapYear = LeapYearRule::Twice; }},
        {"平年=2-28", [](MyDay& d) { d.commonYear = CommonYearRule::Feb28; }},
        {"平年=3-1", [](MyDay& d) { d.commonYear = CommonYearRule::Mar1; }},
        {"平年=跳过", [](MyDay& d) { d.commonYear = CommonYearRule::Skip; }},
    };
    return tokens;
}

// Pieces of `text` between any of the separators, empty ones dropped.
std::vector<std::string> Tokens(std::string_view text)
{
    std::string spaced = ReplaceAll(ReplaceAll(std::string(text), "，", " "), ",", " ");
    std::vector<std::string> tokens;
    for (const std::string& piece : SplitAt(spaced, " "))
        if (!piece.empty()) tokens.push_back(piece);
    return tokens;
}

std::string ParseRules(std::string_view text, MyDay& day)
{
    for (const std::string& token : Tokens(text)) {
        const auto rule = RuleTokens().find(token);
        if (rule == RuleTokens().end()) return Format(_("'{1}' is not a rule"), {token});
        rule->second(day);
    }
    return {};
}

std::string ParseRemind(std::string_view text, MyDay& day)
{
    if (text.empty()) return {};
    day.remind.emplace();
    if (text == "无") return {};
    for (const std::string& token : Tokens(text)) {
        std::int32_t days = 0;
        if (!ParseDigits(token, days) || days > LongestReminder)
            return Format(_("'{1}' is not a number of days before, such as 3,1"), {text});
        day.remind->push_back(days);
    }
    return {};
}

std::string ParseKind(std::string_view text, MyDay& day)
{
    if (text.empty()) return {};
    for (const MyDayKind kind : {MyDayKind::Birthday, MyDayKind::Anniversary, MyDayKind::Memorial, MyDayKind::Other})
        if (text == KindName(kind)) {
            day.kind = kind;
            return {};
        }
    return Format(_("'{1}' is not a kind: 生日, 纪念日, 忌日 or 其他"), {text});
}

std::string ParseSince(std::string_view text, MyDay& day)
{
    if (text.empty()) return {};
    std::int32_t year = 0;
    if (!ParseDigits(text, year) || year < 1 || year > 9999)
        return Format(_("'{1}' is not a year"), {text});
    if (day.firstYear != 0 && day.firstYear != year)
        return Format(_("the date's year {1} and the first year {2} differ"), {std::to_string(day.firstYear), text});
    day.firstYear = year;
    return {};
}

// One line's fields as a day: "" or why they make none.
std::string ParseFields(const std::vector<std::string>& fields, MyDay& day)
{
    if (fields.size() < 2) return _("expected a title and a date separated by a tab");
    std::array<std::string_view, KnownFields> f{};
    for (std::size_t i = 0; i < KnownFields && i < fields.size(); ++i) f[i] = TrimmedSpaces(fields[i]);
    day.title = std::string(f[0]);
    std::string error = ParseMyDayDate(f[1], day);
    if (error.empty()) error = ParseSince(f[2], day);
    if (error.empty()) error = ParseRules(f[3], day);
    if (error.empty()) error = ParseRemind(f[4], day);
    if (error.empty()) error = ParseKind(f[5], day);
    if (error.empty()) error = CheckMyDay(day);
    return error;
}

std::string RulesField(const MyDay& day)
{
    std::string field;
    const auto add = [&field](const char* token) {
        if (!field.empty()) field += ' ';
        field += token;
    };
    if (day.lunar) {
        if (day.shortMonth == ShortMonthRule::Skip) add("小月=跳过");
        if (day.shortMonth == ShortMonthRule::NextMonthFirst) add("小月=初一");
        if (day.leap && day.missingLeap == MissingLeapRule::Skip) add("无闰=跳过");
        if (!day.leap && day.leapYear == LeapYearRule::Twice) add("有闰=两次");
    } else if (day.month == 2 && day.day == 29) {
        if (day.commonYear == CommonYearRule::Mar1) add("平年=3-1");
        if (day.commonYear == CommonYearRule::Skip) add("平年=跳过");
    }
    return field;
}

std::string RemindField(const MyDay& day)
{
    if (!day.remind) return {};
    if (day.remind->empty()) return "无";
    std::string field;
    for (const std::int32_t days : *day.remind) {
        if (!field.empty()) field += ',';
        field += std::to_string(days);
    }
    return field;
}

// The file as lines, each with its line end ("\n", "\r\n" or none for the last).
std::vector<std::string> LinesWithEnds(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

std::string_view WithoutEnd(std::string_view line)
{
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

// The 0-based line of the day titled `title`, or -1.
std::int64_t LineOf(const MyDaysFile& file, std::string_view title)
{
    for (std::size_t i = 0; i < file.days.size(); ++i)
        if (file.days[i].title == title) return file.lines[i] - 1;
    return -1;
}

}  // namespace

std::string MyDaysHeader()
{
    return "# 我的日子：每行一个日子，各栏用制表符（Tab）分开，以 # 开头的行是注释。\n"
           "# 标题\t日期\t起始年\t规则\t提醒\t类别\n"
           "# 日期：农历八月十五、农历闰四月初一、农历8月15，或公历 10-01、2005-10-01（其年份即起始年）。\n"
           "# 起始年：出生或开始的年份，用来算岁数和周年；农历日子按农历年算。可空着。\n"
           "# 规则（可空着，用默认）：小月=廿九|跳过|初一（农历三十遇小月，默认廿九）\n"
           "#   无闰=平月|跳过（闰月日子遇无闰之年，默认平月）  有闰=一次|两次（平月日子遇有闰之年，默认一次）\n"
           "#   平年=2-28|3-1|跳过（公历2月29日遇平年，默认2月28日）\n"
           "# 提醒：提前几天，如 3,1；“无”为不提醒；空着则生日提前 3 天和 1 天，其他不提醒。\n"
           "# 类别：生日、纪念日、忌日或其他；空着则看标题结尾。\n";
}

std::string ParseMyDayDate(std::string_view text, MyDay& day)
{
    text = TrimmedSpaces(text);
    if (Consume(text, "农历")) return ParseLunarDate(text, day);
    return ParseGregorianDate(text, day);
}

std::string ParseMyDayReminders(std::string_view text, MyDay& day)
{
    return ParseRemind(TrimmedSpaces(text), day);
}

std::string CheckMyDay(const MyDay& day)
{
    if (day.title.empty()) return _("the title is empty");
    if (!IsValidUtf8(day.title, false)) return Format(_("the title holds a control character: {1}"), {Printable(day.title)});
    if (day.title.starts_with('#')) return _("a title cannot begin with #, which starts a comment");
    if (day.title != TrimmedSpaces(day.title)) return _("a title cannot begin or end with a space");
    if (day.firstYear < 0 || day.firstYear > 9999) return Format(_("'{1}' is not a year"), {std::to_string(day.firstYear)});
    const bool validDate = day.lunar ? day.month >= 1 && day.month <= 12 && day.day >= 1 && day.day <= 30
                                     : IsValidDate(2000, day.month, day.day);
    if (!validDate) return _("the date is no day of the year");
    return {};
}

std::string MyDayLine(const MyDay& day)
{
    char gregorian[8];
    std::snprintf(gregorian, sizeof gregorian, "%02d-%02d", day.month % 100, day.day % 100);
    std::vector<std::string> fields = {day.title, day.lunar ? MyDayDateText(day) : gregorian,
                                       day.firstYear ? std::to_string(day.firstYear) : "", RulesField(day),
                                       RemindField(day), day.kind ? KindName(*day.kind) : ""};
    while (fields.back().empty()) fields.pop_back();
    std::string line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) line += "\t" + fields[i];
    return line;
}

MyDaysFile ParseMyDays(std::string_view text)
{
    MyDaysFile file;
    std::map<std::string, std::int32_t, std::less<>> titles;  // title -> line
    std::int32_t number = 0;
    for (const std::string& withEnd : LinesWithEnds(text)) {
        ++number;
        const std::string_view line = WithoutEnd(withEnd);
        if (TrimmedSpaces(line).empty() || line.starts_with('#')) continue;
        MyDay day;
        std::string reason = ParseFields(SplitAt(line, "\t"), day);
        const auto known = titles.find(day.title);
        if (reason.empty() && known != titles.end())
            reason = Format(_("line {1} has the same title"), {std::to_string(known->second)});
        if (!reason.empty()) {
            file.bad.push_back({number, std::string(line), std::move(reason)});
            continue;
        }
        titles.emplace(day.title, number);
        file.days.push_back(std::move(day));
        file.lines.push_back(number);
    }
    return file;
}

MyDaysEdit AddMyDay(std::string_view text, const MyDay& day)
{
    if (std::string error = CheckMyDay(day); !error.empty()) return {{}, error};
    if (LineOf(ParseMyDays(text), day.title) >= 0)
        return {{}, Format(_("there is already a day titled '{1}'"), {day.title})};
    std::string out = TrimmedSpaces(WithLineFeeds(text)).empty() ? std::string(text) + MyDaysHeader() : std::string(text);
    const std::string end = out.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    if (!out.empty() && !out.ends_with('\n')) out += end;
    return {out + MyDayLine(day) + end, {}};
}

MyDaysEdit ChangeMyDay(std::string_view text, std::string_view title, const MyDay& day)
{
    if (std::string error = CheckMyDay(day); !error.empty()) return {{}, error};
    const MyDaysFile file = ParseMyDays(text);
    const std::int64_t at = LineOf(file, title);
    if (at < 0) return {{}, Format(_("there is no day titled '{1}'"), {title})};
    if (day.title != title && LineOf(file, day.title) >= 0)
        return {{}, Format(_("there is already a day titled '{1}'"), {day.title})};
    std::vector<std::string> lines = LinesWithEnds(text);
    std::string& line = lines[static_cast<std::size_t>(at)];
    const std::string_view old = WithoutEnd(line);
    const std::string end(std::string_view(line).substr(old.size()));
    std::string changed = MyDayLine(day);
    const std::vector<std::string> fields = SplitAt(old, "\t");
    if (fields.size() > KnownFields) {  // a later version's fields stay
        while (SplitAt(changed, "\t").size() < KnownFields) changed += "\t";
        for (std::size_t i = KnownFields; i < fields.size(); ++i) changed += "\t" + fields[i];
    }
    line = changed + end;
    return {Joined(lines), {}};
}

MyDaysEdit RemoveMyDay(std::string_view text, std::string_view title)
{
    const std::int64_t at = LineOf(ParseMyDays(text), title);
    if (at < 0) return {{}, Format(_("there is no day titled '{1}'"), {title})};
    std::vector<std::string> lines = LinesWithEnds(text);
    lines.erase(lines.begin() + at);
    return {Joined(lines), {}};
}

MyDaysUpdate UpdateMyDaysFile(const std::string& path, const std::function<MyDaysEdit(const std::string&)>& edit)
{
    MyDaysUpdate result;
    const auto update = [&](const UserFile& old, std::string& reason) -> std::optional<UserFileContent> {
        if (!old.messages.empty()) {
            reason = old.messages.front() + _("; nothing was written");
            return std::nullopt;
        }
        MyDaysEdit changed = edit(old.text);
        if (!changed.error.empty()) {
            reason = changed.error;
            result.refused = true;
            return std::nullopt;
        }
        return UserFileContent{std::move(changed.text), old.byteOrderMark};
    };
    result.error = UpdateUserFile(path, update);
    return result;
}

std::string MyDaysPath(const std::string& restDaysPath)
{
    const std::size_t slash = restDaysPath.rfind('/');
    if (slash == std::string::npos) return {};
    return restDaysPath.substr(0, slash + 1) + "my-days.tsv";
}

}  // namespace dovrin
