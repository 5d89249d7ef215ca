// The yearly notice on public holidays, read item by item into days off and working days.
#include "resources/notice.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <set>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/span.h"
#include "calendar/utf8.h"
#include "resources/messages.h"

namespace dovrin {
namespace {

// bytes; the longest paragraph of the notices since 2008 takes about 1000. std::regex
// recurses along its input, so longer text is not given to it.
constexpr std::size_t LongestParagraph = 4000;

// days from a make-up working day to its period; 11 at most in 2002-2026.
constexpr std::int64_t MostDaysToWorkDay = 14;

// items of a notice, numbered 一 to 二十; 7 in every notice since 2008.
constexpr std::size_t MostItems = 20;

const char* const Holidays[] = {"元旦", "春节", "清明节", "劳动节", "端午节", "中秋节", "国庆节"};
const char* const Numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// Web copies fold the full-width punctuation to ASCII and scatter spaces; both are read in
// one form: ASCII punctuation, "." for 。, "-" for every dash, no spaces.
std::string Folded(std::string_view text)
{
    static const std::pair<std::string_view, std::string_view> folds[] = {
        {"，", ","}, {"：", ":"}, {"；", ";"}, {"（", "("}, {"）", ")"}, {"。", "."}, {"——", "-"},
        {"—", "-"}, {"–", "-"}, {"－", "-"}, {"～", "-"}, {"〜", "-"}, {"~", "-"}, {"“", "\""},
        {"”", "\""}, {"＂", "\""}, {" ", ""}, {"\t", ""}, {"\u3000", ""}, {"\u00A0", ""},
        {"\u200B", ""}, {"\uFEFF", ""}, {"\r\n", "\n"},
    };
    if (text.ends_with('\r')) text.remove_suffix(1);  // a file cut off after its last CR
    std::string folded;
    folded.reserve(text.size());
    // One pass, left to right, each fold tried at each place: linear in the text.
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (static_cast<unsigned char>(c) < 0x80 && c != ' ' && c != '\t' && c != '~' && c != '\r') {
            folded += c;  // ASCII that stays as it is: most of a notice
            ++at;
            continue;
        }
        const std::string_view rest = text.substr(at);
        const auto fold = std::find_if(std::begin(folds), std::end(folds),
                                       [&](const auto& pair) { return rest.starts_with(pair.first); });
        if (fold != std::end(folds)) {
            folded += fold->second;
            at += fold->first.size();
        } else if (rest.starts_with("\xEF\xBC") && rest.size() > 2 && rest[2] >= '\x90' && rest[2] <= '\x99') {
            folded += static_cast<char>('0' + (rest[2] - '\x90'));  // ０..９
            at += 3;
        } else {
            folded += text[at++];
        }
    }
    return folded;
}

// A number the patterns matched as digits, of 1 to 4 of them.
std::int32_t Number(const std::ssub_match& digits)
{
    std::int32_t value = 0;
    ParseDigits(digits.str(), value);
    return value;
}

// "(一|二|…)": std::regex reads bytes, so a class of Chinese characters is an alternation.
std::string AnyOf(std::initializer_list<const char*> words)
{
    std::string pattern = "(?:";
    for (const char* word : words) pattern += std::string(pattern.size() > 3 ? "|" : "") + word;
    return pattern + ")";
}

const std::string HolidayPattern =
    AnyOf({Holidays[0], Holidays[1], Holidays[2], Holidays[3], Holidays[4], Holidays[5], Holidays[6]});
// A date as the notices write it, with the note in brackets that may follow: 2018年12月30日,
// 2月15日(农历腊月二十八、周日), or 23日 after a date of the same month. A note holds no
// digits: a bracket that swallowed the next date would lose it.
const std::string DatePattern = R"((?:\d{4}年)?(?:\d{1,2}月)?\d{1,2}日(?:\([^()0-9]*\))?)";
const std::string DatesPattern = "(" + DatePattern + "(?:、" + DatePattern + ")*)";

struct Item {
    std::string label;  // "四、劳动节", as errors name the item
    std::string name;   // the holiday as the lines carry it
    std::string body;
    std::vector<std::string> errors;

    std::optional<CivilDate> first, last;  // the period as stated, then with 补休 and weekends
    std::optional<std::int32_t> count;     // 共N天
    bool joinsWeekend = false;             // 与周末连休
    bool noSwap = false;                   // 不调休
    std::vector<CivilDate> makeUp;         // 补休
    std::vector<CivilDate> work;           // 上班
    std::vector<CivilDate> movedFrom;      // weekend days whose rest 调至 another day
    std::vector<CivilDate> named;          // days the item calls days off: legal holiday, 公休, 调至
};

bool HoldsDayOf(CivilDate first, CivilDate last, const std::string& name);

// Dates are read in the item's order: a day alone takes the month and year of the date
// before it in its clause; a month and day without a year fall in the year nearest the
// period's first day, or in the notice's year before the period is known.
class DateReader {
public:
    DateReader(Item& into, std::int32_t noticeYear) : item(into), year(noticeYear) {}

    // The dates of a list matched by DatesPattern, or nothing after an error on the item.
    std::optional<std::vector<CivilDate>> Read(const std::string& list)
    {
        static const std::regex one(R"((?:(\d{4})年)?(?:(\d{1,2})月)?(\d{1,2})日(?:\(([^()0-9]*)\))?)");
        std::vector<CivilDate> dates;
        for (auto it = std::sregex_iterator(list.begin(), list.end(), one); it != std::sregex_iterator(); ++it) {
            const std::smatch& m = *it;
            CivilDate date{0, 0, Number(m[3])};
            if (m[1].matched) {
                if (!m[2].matched) return Fail(m.str());
                date.year = Number(m[1]);
                date.month = Number(m[2]);
            } else if (m[2].matched) {
                date.month = Number(m[2]);
                date.year = NearestYear(date);
            } else if (previous) {
                date.year = previous->year;
                date.month = previous->month;
            } else {
                return Fail(m.str());
            }
            if (!IsValidDate(date.year, date.month, date.day)) {
                item.errors.push_back(Format(_("'{1}' is not a day of the calendar"), {m.str()}));
                return std::nullopt;
            }
            if (date < FirstCoveredDay || date > LastCoveredDay) {
                item.errors.push_back(Format(_("'{1}' is outside the covered range {2}"),
                                             {m.str(), IsoDate(FirstCoveredDay) + ".." + IsoDate(LastCoveredDay)}));
                return std::nullopt;
            }
            if (std::string why = m[4].matched ? NoteDisagrees(date, m.str(), m[4]) : ""; !why.empty()) {
                item.errors.push_back(why);
                return std::nullopt;
            }
            previous = date;
            dates.push_back(date);
        }
        return dates;
    }

    void Anchor(CivilDate date) { anchor = date; }
    // A day alone takes its month from a date of its own clause only.
    void NewClause() { previous.reset(); }

private:
    std::optional<std::vector<CivilDate>> Fail(const std::string& text)
    {
        item.errors.push_back(Format(_("'{1}' is not understood"), {text}));
        return std::nullopt;
    }

    std::int32_t NearestYear(CivilDate date) const
    {
        if (!anchor) return year;
        std::int32_t best = year;
        std::int64_t bestDistance = -1;
        for (std::int32_t candidate = year - 1; candidate <= year + 1; ++candidate) {
            if (!IsValidDate(candidate, date.month, 1)) continue;
            const std::int64_t distance = std::abs(CivilDate{candidate, date.month, std::clamp(date.day, 1, 28)} - *anchor);
            if (bestDistance < 0 || distance < bestDistance) {
                best = candidate;
                bestDistance = distance;
            }
        }
        return best;
    }

    static std::string LunarMonthDay(CivilDate date)
    {
        clsDate lunar;
        lunar.sInitDate(date.year, date.month, date.day);
        return LunarMonthName(lunar.lMonth(), lunar.IsLeap()) + lunar.CDayStr(lunar.lDay());
    }

    // The note in brackets after a date, such as (星期六), (周日), (农历腊月二十八、周日),
    // (大年初二), (农历除夕至正月初六) or (星期四、新年): each of its parts a weekday, a lunar
    // date or a holiday that the date must be.
    // Why a part is not the date's or is not understood, naming the date as `written`; or "".
    static std::string NoteDisagrees(CivilDate date, const std::string& written, const std::string& note)
    {
        const std::string text = ReplaceAll(note, ",", "、");
        if (text.empty()) return Format(_("'{1}': the brackets are empty"), {written});
        for (const std::string& part : SplitAt(text, "、")) {
            if (const std::optional<std::string> why = WeekdayDisagrees(date, written, part)) {
                if (!why->empty()) return *why;
            } else if (const std::optional<bool> agrees = LunarDateAgrees(date, part)) {
                if (!*agrees) return Format(_("'{1}': {2} is 农历{3}"), {written, IsoDate(date), LunarMonthDay(date)});
            } else if (const std::optional<std::string> holiday = HolidayOfNote(part)) {
                const int slack = *holiday == "清明" ? 1 : 0;  // the almanac's terms may lie a day off
                if (!HoldsDayOf(date.AddDays(-slack), date.AddDays(slack), *holiday))
                    return Format(_("'{1}': {2} is not the day of {3}"), {written, IsoDate(date), *holiday});
            } else {
                return Format(_("'{1}': '{2}' in the brackets is not understood"), {written, part});
            }
        }
        return {};
    }

    // Nothing when `part` is no weekday; else "" when it is the date's, or why not.
    static std::optional<std::string> WeekdayDisagrees(CivilDate date, const std::string& written,
                                                       const std::string& part)
    {
        static const std::regex weekday("(?:星期|周)(" + AnyOf({"日", "天", "一", "二", "三", "四", "五", "六"}) + ")");
        std::smatch m;
        if (!std::regex_match(part, m, weekday)) return std::nullopt;
        const std::string named = m[1] == "天" ? "日" : m[1].str();
        if (named == ShortWeekdayName(date.Weekday())) return std::string();
        return Format(_("'{1}': {2} is 星期{3}"), {written, IsoDate(date), ShortWeekdayName(date.Weekday())});
    }

    // A lunar month's word in a notice, as a numeral (十一) or by its custom (冬): the calendar's
    // two names of each month, the longer numerals first so that 十 does not cut 十一 short.
    static std::string LunarMonthPattern()
    {
        std::string pattern = "(?:";
        for (std::int32_t month = 12; month >= 1; --month) {
            if (month < 12) pattern += '|';
            pattern.append(NumeralOfMonth(month)).append("|").append(LunarMonthWords()[static_cast<std::size_t>(month - 1)]);
        }
        return pattern + ")";
    }

    static std::string NumeralOfMonth(std::int32_t month)
    {
        const std::string name = MonthName(month);
        return name.substr(0, name.size() - std::string_view("月").size());
    }

    // The month a word of LunarMonthPattern names, 1..12.
    static std::int32_t LunarMonthOfWord(const std::string& word)
    {
        for (std::int32_t month = 1; month <= 12; ++month)
            if (word == NumeralOfMonth(month) || word == LunarMonthWords()[static_cast<std::size_t>(month - 1)])
                return month;
        return 0;
    }

    // Nothing when `part` is no lunar date; else whether it is the date's. 农历 may stand
    // before it; of a range (除夕至正月初六) the date is the end.
    static std::optional<bool> LunarDateAgrees(CivilDate date, std::string part)
    {
        static const std::string digit = AnyOf({"一", "二", "三", "四", "五", "六", "七", "八", "九"});
        static const std::string month = LunarMonthPattern();
        static const std::string day = "(闰)?(?:(" + month + ")月)?(初十|初" + digit + "|十" + digit + "?|二十" + digit +
                                       "?|廿" + digit + "|三十|除夕)";
        static const std::regex named("(?:农历)?(?:" + day + "至)?" + day);
        if (part.starts_with("大年初")) part = "正月" + part.substr(std::string_view("大年").size());
        std::smatch m;
        if (!std::regex_match(part, m, named)) return std::nullopt;
        if (m[6] == "除夕") {
            clsDate next;
            const CivilDate after = date.AddDays(1);
            next.sInitDate(after.year, after.month, after.day);
            return next.lMonth() == 1 && next.lDay() == 1 && !next.IsLeap();
        }
        std::string dayName = m[6];
        if (dayName.starts_with("二十") && dayName != "二十")
            dayName = "廿" + dayName.substr(std::string_view("二十").size());
        const std::string actual = LunarMonthDay(date);
        if (!m[5].matched) return !m[4].matched && actual.ends_with(dayName);
        return actual == LunarMonthName(LunarMonthOfWord(m[5].str()), m[4].matched) + dayName;
    }

    // The calendar's name of the holiday a note names (新年, 春节, 农历端午当日, “五一”国际劳动节…),
    // nothing for another text.
    static std::optional<std::string> HolidayOfNote(std::string part)
    {
        if (part.starts_with("农历")) part.erase(0, std::string_view("农历").size());
        if (part.ends_with("当日")) part.resize(part.size() - std::string_view("当日").size());
        static const std::map<std::string, std::string> names{
            {"元旦", "元旦"},     {"新年", "元旦"},     {"春节", "春节"},     {"清明", "清明"},
            {"清明节", "清明"},   {"劳动节", "劳动节"}, {"国际劳动节", "劳动节"}, {"\"五一\"国际劳动节", "劳动节"},
            {"五一", "劳动节"},   {"端午", "端午节"},   {"端午节", "端午节"}, {"中秋", "中秋节"},
            {"中秋节", "中秋节"}, {"国庆节", "国庆节"},
        };
        const auto found = names.find(part);
        if (found == names.end()) return std::nullopt;
        return found->second;
    }

    Item& item;
    std::int32_t year;
    std::optional<CivilDate> anchor;
    std::optional<CivilDate> previous;
};

struct Clause {
    std::string text;
    bool endsSentence = false;
};

// The clauses between , ; and . outside brackets; false when the brackets do not pair.
bool SplitClauses(const std::string& body, std::vector<Clause>& clauses)
{
    int depth = 0;
    std::string current;
    for (char c : body) {
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) return false;
        if (depth == 0 && (c == ',' || c == ';' || c == '.')) {
            if (!current.empty()) clauses.push_back({current, c == '.'});
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.empty()) clauses.push_back({current, true});
    return depth == 0;
}

// "与周末连休" and "不调休" said of the period, or an empty clause: true when `text` is one.
bool ReadRemark(Item& item, const std::string& text)
{
    if (!text.empty() && text != "与周末连休" && text != "不调休") return false;
    item.joinsWeekend = item.joinsWeekend || text == "与周末连休";
    item.noSwap = item.noSwap || text == "不调休";
    return true;
}

// "10月1日至7日放假调休，共7天": the item's one period.
bool ReadPeriod(Item& item, DateReader& reader, const std::string& text, const std::smatch& m)
{
    if (item.first) {
        item.errors.push_back(Format(_("'{1}': a second period of days off"), {text}));
        return false;
    }
    const auto start = reader.Read(m[1]);
    if (!start) return false;
    reader.Anchor(start->front());
    const auto end = m[2].matched ? reader.Read(m[2]) : start;
    if (!end) return false;
    item.first = start->front();
    item.last = end->front();
    if (*item.last < *item.first) {
        item.errors.push_back(Format(_("'{1}': the period ends before it begins"), {text}));
        return false;
    }
    if (m[3].matched) item.count = Number(m[3]);
    return true;
}

bool AddDates(DateReader& reader, const std::string& list, std::vector<CivilDate>& to)
{
    const auto dates = reader.Read(list);
    if (dates) to.insert(to.end(), dates->begin(), dates->end());
    return dates.has_value();
}

// One clause of an item into its period, counts or days: false after an error on the item.
bool ReadClause(Item& item, DateReader& reader, const std::string& text)
{
    static const std::regex period("(" + DatePattern + ")(?:(?:至|-|到)(" + DatePattern +
                                   "))?放假(?:调休|公休)?(?:(\\d{1,3})天)?");
    static const std::regex count(R"(共(\d{1,3})天)");
    static const std::regex makeUp("(" + DatePattern + ")补休");
    static const std::regex work(DatesPattern + "上班");
    static const std::regex named(DatesPattern + "(?:为" + HolidayPattern + "?法定节假日|为公休日|照常公休)");
    static const std::regex moved(DatesPattern + "(?:两个)?公休日(?:及" + HolidayPattern + ")?(?:分别)?调至" +
                                  DatesPattern);
    std::smatch m;
    reader.NewClause();
    if (std::regex_match(text, m, period)) return ReadPeriod(item, reader, text, m);
    if (std::regex_match(text, m, count) && item.first && !item.count) {
        item.count = Number(m[1]);
        return true;
    }
    if (std::regex_match(text, m, makeUp) && item.first) return AddDates(reader, m[1], item.makeUp);
    if (std::regex_match(text, m, work)) return AddDates(reader, m[1], item.work);
    if (std::regex_match(text, m, named) && item.first) return AddDates(reader, m[1], item.named);
    if (std::regex_match(text, m, moved) && item.first)
        return AddDates(reader, m[1], item.movedFrom) && AddDates(reader, m[2], item.named);
    item.errors.push_back(Format(_("'{1}' is not understood"), {text}));
    return false;
}

// One item's clauses into its period, counts and days; what is not understood is an error.
void ReadClauses(Item& item, std::int32_t year)
{
    std::vector<Clause> clauses;
    if (item.body.size() > LongestParagraph) {
        item.errors.push_back(_("the item is longer than any of a notice"));
        return;
    }
    if (!SplitClauses(item.body, clauses)) {
        item.errors.push_back(_("the brackets do not pair"));
        return;
    }
    DateReader reader(item, year);
    bool advice = false;
    for (const Clause& clause : clauses) {
        std::string text = clause.text;
        const bool skip = advice || text.starts_with("鼓励");  // advice to employers, no arrangement
        advice = skip && !clause.endsSentence;
        if (skip) continue;
        if (text.starts_with("其中")) text.erase(0, std::string_view("其中").size());
        if (!ReadRemark(item, text) && !ReadClause(item, reader, text)) return;
    }
    if (!item.first) item.errors.push_back(_("no days off found (such as '10月1日至7日放假')"));
}

// The holiday a title names, "" when it names one not known: 元旦, …, 国庆节, or two joined by
// 、 as one period ("中秋节、国庆节"). 2008 wrote “五一”国际劳动节.
std::string HolidayOfTitle(const std::string& title)
{
    std::string name;
    for (std::string part : SplitAt(title, "、")) {
        if (part == "\"五一\"国际劳动节" || part == "五一国际劳动节") part = "劳动节";
        if (std::find(std::begin(Holidays), std::end(Holidays), part) == std::end(Holidays)) return {};
        name += (name.empty() ? "" : "、") + part;
    }
    return name;
}

bool EndsSentence(const std::string& text)
{
    return !text.empty() && text.back() == '.';
}

// Only an item can carry these words after the items begin: the closing paragraph, the
// signature and the date line have none.
bool SpeaksOfDays(const std::string& line)
{
    for (const char* word : {"放假", "上班", "补休", "调休", "公休"})
        if (line.find(word) != std::string::npos) return true;
    return false;
}

// The numeral of an item that `line` begins with, its title and body ("一、元旦:…"): false
// for any other line. A title is 1 to 60 bytes up to the colon, without other punctuation.
bool ItemStart(const std::string& line, Item& item)
{
    std::size_t at = 0;
    while (std::any_of(std::begin(Numerals), std::end(Numerals),
                       [&](const char* numeral) { return line.compare(at, 3, numeral) == 0; }))
        at += 3;
    if (at == 0 || line.compare(at, 3, "、") != 0) return false;
    const std::size_t title = at + 3;
    const std::size_t colon = line.find_first_of(":.,;", title);
    if (colon == std::string::npos || line[colon] != ':' || colon == title || colon - title > 60) return false;
    item.label = line.substr(0, colon);
    item.name = line.substr(title, colon - title);
    item.body = line.substr(colon + 1);
    return true;
}

// The numbered items, with the lines that run on from each. More than the 20 numerals the
// items may have are not looked for.
std::vector<Item> FindItems(const std::vector<std::string>& lines)
{
    std::vector<Item> items;
    std::vector<std::vector<std::string>> runOn;  // the lines after each item's first
    for (const std::string& line : lines) {
        Item item;
        if (items.size() <= MostItems && ItemStart(line, item)) {
            items.push_back(std::move(item));
            runOn.emplace_back();
        } else if (items.empty()) {
            continue;  // the title, the salutation, the introduction
        } else if (!line.empty()) {
            runOn.back().push_back(line);
        }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool lastItem = i + 1 == items.size();
        for (const std::string& line : runOn[i]) {
            // After the last item only what still belongs to it: the rest of a broken
            // sentence, or a line of days.
            if (lastItem && EndsSentence(items[i].body) && !SpeaksOfDays(line)) break;
            items[i].body += line;
        }
    }
    return items;
}

std::string NumeralOf(std::size_t number)  // 1..20
{
    if (number <= 10) return Numerals[number - 1];
    return std::string(Numerals[9]) + Numerals[number - 11];
}

// Whether the calendar names a day of first..last `name`, as a festival or a solar term.
bool HoldsDayOf(CivilDate first, CivilDate last, const std::string& name)
{
    clsDate date;
    for (CivilDate day = first; day <= last; day = day.AddDays(1)) {
        date.sInitDate(day.year, day.month, day.day);
        for (const std::string& names : {date.lHoliday(), date.lSolarTerm(), date.sHoliday(), date.wHoliday()}) {
            const std::vector<std::string> each = SplitAt(names, " ");
            if (std::find(each.begin(), each.end(), name) != each.end()) return true;
        }
    }
    return false;
}

// The days of one item from what its clauses said, checked against each other.
void SettleDays(Item& item, const std::set<CivilDate>& allWork, std::int32_t year)
{
    const auto fail = [&](std::string why) { item.errors.push_back(std::move(why)); };
    CivilDate first = *item.first, last = *item.last;
    for (const CivilDate& day : item.makeUp) {
        bool follows = day > last && !day.IsWeekend();
        for (CivilDate between = last.AddDays(1); follows && between < day; between = between.AddDays(1))
            follows = between.IsWeekend() && !allWork.count(between);
        if (!follows) return fail(Format(_("补休 on {1} does not follow the period {2}..{3}"),
                                         {IsoDate(day), IsoDate(first), IsoDate(last)}));
        last = day;
    }
    const CivilDate stated = first, statedLast = last;
    while (first.AddDays(-1).IsWeekend() && !allWork.count(first.AddDays(-1))) first = first.AddDays(-1);
    while (last.AddDays(1).IsWeekend() && !allWork.count(last.AddDays(1))) last = last.AddDays(1);
    if (item.joinsWeekend && first == stated && last == statedLast)
        return fail(Format(_("the period {1}..{2} is said to join a weekend but adjoins none"),
                           {IsoDate(first), IsoDate(last)}));
    // 共N天 counts the days as written; a weekend that the count leaves out would be a doubt.
    for (const auto& [from, to] : {std::pair{stated, statedLast}, std::pair{first, last}}) {
        const std::int64_t days = to - from + 1;
        if (item.count && *item.count != days)
            return fail(Format(_("共{1}天, but the period {2}..{3} has {4} days"),
                               {std::to_string(*item.count), IsoDate(from), IsoDate(to), std::to_string(days)}));
    }
    // The period holds the day of each holiday it names; 清明 may lie a day off, as the
    // almanac's solar terms can.
    for (const std::string& holiday : SplitAt(item.name, "、")) {
        const std::string day = holiday == "清明节" ? "清明" : holiday;
        const int slack = holiday == "清明节" ? 1 : 0;
        if (!HoldsDayOf(first.AddDays(-slack), last.AddDays(slack), day))
            return fail(Format(_("the period {1}..{2} does not hold the day of {3}"),
                               {IsoDate(first), IsoDate(last), holiday}));
    }
    if (last.year != year)
        return fail(Format(_("the period {1}..{2} does not end in {3}"),
                           {IsoDate(first), IsoDate(last), std::to_string(year)}));
    for (const CivilDate& day : item.named)
        if (day < first || day > last)
            return fail(Format(_("{1} is named a day off but lies outside the period {2}..{3}"),
                               {IsoDate(day), IsoDate(first), IsoDate(last)}));
    if (item.noSwap && !item.work.empty())
        return fail(Format(_("不调休, yet 上班 on {1}"), {IsoDate(item.work.front())}));
    for (const CivilDate& day : item.work) {
        if (!day.IsWeekend())
            return fail(Format(_("上班 on {1}, which is no Saturday or Sunday"), {IsoDate(day)}));
        if (day >= first && day <= last)
            return fail(Format(_("上班 on {1}, inside the period {2}..{3}"),
                               {IsoDate(day), IsoDate(first), IsoDate(last)}));
        const std::int64_t away = std::max(first - day, day - last);
        if (away > MostDaysToWorkDay)
            return fail(Format(_("上班 on {1}, {2} days from the period {3}..{4}"),
                               {IsoDate(day), std::to_string(away), IsoDate(first), IsoDate(last)}));
    }
    item.first = first;
    item.last = last;
}

// The notice's year: the title's, which `given` (--year) may confirm or, without a title,
// give. 0 after an error.
std::int32_t NoticeYear(const std::string& folded, std::int32_t given, std::vector<std::string>& errors)
{
    static const std::regex title(R"(关于(\d{4})年部分节假日安排的通知)");
    std::string joined = folded;
    std::erase(joined, '\n');
    std::set<std::int32_t> titled;
    for (auto it = std::sregex_iterator(joined.begin(), joined.end(), title); it != std::sregex_iterator(); ++it)
        titled.insert(Number((*it)[1]));
    if (titled.size() > 1) {
        errors.push_back(Format(_("the text holds the titles of the notices of {1} and {2}"),
                                {std::to_string(*titled.begin()), std::to_string(*titled.rbegin())}));
        return 0;
    }
    if (!titled.empty() && given && *titled.begin() != given) {
        errors.push_back(Format(_("the title names the year {1}, --year {2}"),
                                {std::to_string(*titled.begin()), std::to_string(given)}));
        return 0;
    }
    const std::int32_t year = titled.empty() ? given : *titled.begin();
    if (!year) {
        errors.push_back(_("no title 国务院办公厅关于YYYY年部分节假日安排的通知 in the text: give the year with --year YYYY"));
        return 0;
    }
    if (year < FirstWholeYear || year > LastWholeYear) {
        errors.push_back(Format(_("the year {1} is outside the covered years {2}"),
                                {std::to_string(year), std::to_string(FirstWholeYear) + ".." +
                                                           std::to_string(LastWholeYear)}));
        return 0;
    }
    return year;
}

void AddItemError(Notice& notice, const Item& item, const std::string& why)
{
    notice.errors.push_back(Format(_("item {1}: {2}"), {item.label, why}));
}

// Each item numbered in order, naming known holidays, read clause by clause; all seven
// holidays given. False when the numbering is broken (nothing more is read then).
bool ReadItems(std::vector<Item>& items, Notice& notice)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        Item& item = items[i];
        if (i >= MostItems || item.label.substr(0, item.label.find("、")) != NumeralOf(i + 1)) {
            AddItemError(notice, item, Format(_("the items are to be numbered 一、二、三… in order; here {1} is due"),
                                              {i < MostItems ? NumeralOf(i + 1) : "?"}));
            return false;
        }
        item.name = HolidayOfTitle(item.name);
        if (item.name.empty())
            item.errors.push_back(_("the holiday is none of 元旦, 春节, 清明节, 劳动节, 端午节, 中秋节, 国庆节"));
        else
            ReadClauses(item, notice.year);
    }
    // Each yearly notice since 2008 gives all seven holidays: a missing one is text not
    // copied whole.
    for (const char* holiday : Holidays) {
        const auto gives = [&](const Item& item) { return std::ranges::count(SplitAt(item.name, "、"), holiday) > 0; };
        if (std::ranges::none_of(items, gives))
            notice.errors.push_back(Format(_("no item gives {1}, which every yearly notice has"), {holiday}));
    }
    return true;
}

// Every item's days settled against the working days of all: a weekend day whose rest moves
// to a day of the period is a working day.
void SettleItems(std::vector<Item>& items, Notice& notice)
{
    std::set<CivilDate> allWork;
    for (Item& item : items) {
        for (const CivilDate& day : item.movedFrom)
            if (day < *item.first || day > *item.last) item.work.push_back(day);
        allWork.insert(item.work.begin(), item.work.end());
    }
    // Two periods that share a day are one error, whatever else is said of them.
    std::vector<bool> overlaps(items.size(), false);
    for (std::size_t later = 0; later < items.size(); ++later)
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            Item &one = items[earlier], &two = items[later];
            if (!one.errors.empty() || !two.errors.empty() || *one.last < *two.first || *two.last < *one.first) continue;
            two.errors.push_back(Format(_("{1} is given by item {2} as well"),
                                        {IsoDate(std::max(*one.first, *two.first)), one.label}));
            overlaps[earlier] = true;
        }
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].errors.empty() && !overlaps[i]) SettleDays(items[i], allWork, notice.year);
    for (const Item& item : items)
        for (const std::string& why : item.errors) AddItemError(notice, item, why);
}

// The lines of all items in date order, each date from one item only.
void CollectLines(const std::vector<Item>& items, Notice& notice)
{
    std::map<CivilDate, std::pair<RestDayLine, const Item*>> days;
    for (const Item& item : items) {
        std::vector<RestDayLine> lines;
        for (CivilDate day = *item.first; day <= *item.last; day = day.AddDays(1))
            lines.push_back({day, DayOff::Rest, item.name});
        for (const CivilDate& day : item.work)
            if (std::none_of(lines.begin(), lines.end(), [&](const RestDayLine& line) { return line.date == day; }))
                lines.push_back({day, DayOff::Work, item.name});
        for (RestDayLine& line : lines) {
            const auto [at, added] = days.try_emplace(line.date, line, &item);
            if (!added)
                AddItemError(notice, item, Format(_("{1} is given by item {2} as well"),
                                                  {IsoDate(line.date), at->second.second->label}));
        }
    }
    if (!notice.errors.empty()) return;
    for (auto& [day, entry] : days) notice.lines.push_back(std::move(entry.first));
}

}  // namespace

Notice ParseNotice(std::string_view text, std::int32_t year)
{
    Notice notice;
    if (!IsValidUtf8(text)) {
        notice.errors.push_back(_("the notice is not UTF-8 text"));
        return notice;
    }
    const std::string folded = Folded(text);
    notice.year = NoticeYear(folded, year, notice.errors);
    if (!notice.year) return notice;
    std::vector<Item> items = FindItems(SplitAt(folded, "\n"));
    if (items.empty()) {
        notice.errors.push_back(_("no numbered items such as '一、元旦：1月1日放假' in the text"));
        return notice;
    }
    if (ReadItems(items, notice)) {
        SettleItems(items, notice);
        if (notice.errors.empty()) CollectLines(items, notice);
    }
    // The messages quote the notice: a control character of a copied text is shown, not obeyed.
    for (std::string& error : notice.errors) error = Printable(error);
    return notice;
}

}  // namespace dovrin
