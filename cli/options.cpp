// dovrin-cal's command line: what to show, parsed and checked before anything prints.
#include "options.h"

#include <getopt.h>

#include <algorithm>
#include <map>

#include "calendar/clsDate.h"
#include "calendar/span.h"
#include "calendar/utf8.h"
#include "calendar/named_days.h"
#include "resources/messages.h"

namespace dovrin::cli {
namespace {

constexpr CivilDate FirstTextDay{FirstWholeYear, 1, 1};
constexpr CivilDate LastTextDay{LastWholeYear, 12, 31};

std::string Range(CivilDate first, CivilDate last)
{
    return IsoDate(first) + ".." + IsoDate(last);
}

std::string YearRange(std::int32_t first, std::int32_t last)
{
    return std::to_string(first) + ".." + std::to_string(last);
}

std::string MonthRange()
{
    return IsoDate(FirstCoveredDay).substr(0, 7) + ".." + IsoDate(LastCoveredDay).substr(0, 7);
}

// Every number of the command line: decimal digits only, no sign, at most six of them.
bool ParseNumber(std::string_view text, std::int32_t& value)
{
    return text.size() <= 6 && ParseDigits(text, value);
}

bool IsFourDigits(const std::string& text)
{
    return text.size() == 4 && text.find_first_not_of("0123456789") == std::string::npos;
}

// YYYY-MM-DD, a real Gregorian day.
bool ParseDate(const std::string& text, CivilDate& date, std::string& error)
{
    if (!ParseIsoDate(text, date)) {
        error = Format(_("'{1}' is not a date of the form YYYY-MM-DD"), {text});
        return false;
    }
    if (!date.IsValid()) {
        error = Format(_("'{1}' is not a day of the calendar"), {text});
        return false;
    }
    return true;
}

std::string InSpan(CivilDate date, const std::string& text, CivilDate first, CivilDate last)
{
    if (date < first || date > last)
        return Format(_("'{1}' is outside the covered range {2}"), {text, Range(first, last)});
    return {};
}

std::string LunarYearInSpan(std::int32_t year)
{
    if (year < FirstLunarYear || year > LastLunarYear)
        return Format(_("lunar year {1} is outside the covered range {2}"),
                      {std::to_string(year), YearRange(FirstLunarYear, LastLunarYear)});
    return {};
}

std::string CheckLunarMonthAndDay(std::int32_t month, std::int32_t day)
{
    if (month < 1 || month > 12)
        return Format(_("lunar month {1} is not a month; valid months are 1..12"), {std::to_string(month)});
    if (day < 1 || day > 30)
        return Format(_("lunar day {1} is not a day; valid days are 1..30"), {std::to_string(day)});
    return {};
}

std::string CheckLunar(const Options& o)
{
    if (std::string why = LunarYearInSpan(o.lunarYear); !why.empty()) return why;
    if (std::string why = CheckLunarMonthAndDay(o.lunarMonth, o.lunarDay); !why.empty()) return why;
    if (o.leap && !HasLeapMonth(o.lunarYear, o.lunarMonth))
        return Format(_("lunar year {1} has no leap month {2}"),
                      {std::to_string(o.lunarYear), std::to_string(o.lunarMonth)});
    const std::int32_t length = LunarMonthLength(o.lunarYear, o.lunarMonth, o.leap);
    if (o.lunarDay > length) return Format(_("that lunar month has only {1} days"), {std::to_string(length)});
    return {};
}

// Codes of the options that have no short form.
enum LongOption : int {
    VersionOption = 256,
    ColorOption,
    TableOption,
    LunarOption,
    InfoOption,
    IcsOption,
    IcsLunarOption,
    LeapOption,
    SummaryOption,
    YearsOption,
    ImportNoticeOption,
    WriteOption,
    ReplaceOption,
    PdfOption,
    PaperOption,
    AddDayOption,
    RemoveDayOption,
    MyDaysOption,
    IcsMyDaysOption,
    RemindOption,
    SinceOption,
    RemindListCode,  // --remind N,…: counted apart from the command --remind
};

constexpr option LongOptions[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, VersionOption},
    {"three", no_argument, nullptr, '3'},
    {"year", no_argument, nullptr, 'y'},
    {"months", required_argument, nullptr, 'n'},
    {"monday", no_argument, nullptr, 'm'},
    {"sunday", no_argument, nullptr, 's'},
    {"color", optional_argument, nullptr, ColorOption},
    {"table", no_argument, nullptr, TableOption},
    {"lunar", no_argument, nullptr, LunarOption},
    {"info", no_argument, nullptr, InfoOption},
    {"ics", no_argument, nullptr, IcsOption},
    {"ics-lunar", no_argument, nullptr, IcsLunarOption},
    {"leap", no_argument, nullptr, LeapOption},
    {"summary", required_argument, nullptr, SummaryOption},
    {"years", required_argument, nullptr, YearsOption},
    {"import-notice", required_argument, nullptr, ImportNoticeOption},
    {"write", no_argument, nullptr, WriteOption},
    {"replace", no_argument, nullptr, ReplaceOption},
    {"pdf", required_argument, nullptr, PdfOption},
    {"paper", required_argument, nullptr, PaperOption},
    {"add-day", required_argument, nullptr, AddDayOption},
    {"remove-day", required_argument, nullptr, RemoveDayOption},
    {"my-days", no_argument, nullptr, MyDaysOption},
    {"ics-my-days", no_argument, nullptr, IcsMyDaysOption},
    {"remind", optional_argument, nullptr, RemindOption},
    {"since", required_argument, nullptr, SinceOption},
    {nullptr, 0, nullptr, 0},
};

// A leading ':' makes getopt report a missing value apart from an unknown option.
constexpr const char* ShortOptions = ":3ymshn:";

// The options that name an action or a file: a second one is an error, as two actions or
// two files cannot both be meant. Of the options with a value the last one counts, and
// the switches may be repeated.
constexpr int OnceOnly[] = {TableOption,    LunarOption,        InfoOption,  IcsOption,     IcsLunarOption,
                            ImportNoticeOption, WriteOption, ReplaceOption, PdfOption,
                            AddDayOption, RemoveDayOption, MyDaysOption, IcsMyDaysOption, RemindOption};

// The long name of an option, for the messages.
std::string OptionName(int code)
{
    if (code == RemindListCode) code = RemindOption;
    for (const option& o : LongOptions)
        if (o.name && o.val == code) return std::string("--") + o.name;
    return std::string("-") + static_cast<char>(code);
}

// The options as given: how often each, and the arguments that are no options.
struct Scan {
    std::map<int, int> count;
    std::vector<std::string> positional;
    bool Has(int code) const { return count.contains(code); }
    bool HasAction() const
    {
        return Has(TableOption) || Has(LunarOption) || Has(InfoOption) || Has(IcsOption) || Has(IcsLunarOption);
    }
    int MyDayActions() const
    {
        return Has(AddDayOption) + Has(RemoveDayOption) + Has(MyDaysOption) + Has(IcsMyDaysOption) +
               Has(RemindOption);
    }
};

std::string MonthCountWanted()
{
    return _("-n and --months take a number of months, 1 or more");
}

std::string YearsWanted()
{
    return _("--years takes two lunar years, A and B");
}

std::string SinceWanted()
{
    return _("--since takes the first year, 1 to 9999, e.g. --since 1961");
}

// The value of --remind, given as --remind=3,1 or as the next argument when that is a list
// of days (digits and commas) or 无; nullptr for the command --remind.
const char* RemindValue(const char* value, const char* next)
{
    if (value) return value;
    if (!next) return nullptr;
    const std::string_view text(next);
    if (text == "无" || (!text.empty() && text.find_first_not_of("0123456789,") == std::string_view::npos)) return next;
    return nullptr;
}

// getopt's ':': an option without its value.
std::string MissingValue(int code)
{
    switch (code) {
    case ImportNoticeOption: return _("--import-notice takes a file, or - for standard input");
    case 'n': return MonthCountWanted();
    case SummaryOption: return _("--summary takes the title of the event");
    case PdfOption: return _("--pdf takes a file, or - for standard output");
    case PaperOption: return _("--paper takes a4 or letter");
    case AddDayOption: return _("--add-day takes a title and a date, e.g. --add-day 妈妈生日 农历八月十五");
    case RemoveDayOption: return _("--remove-day takes the title of a day");
    case SinceOption: return SinceWanted();
    default: return YearsWanted();
    }
}

// getopt's '?': an unknown option, or a value given to an option that takes none
// (--help=foo), named as typed. A short option stands for itself, also inside a cluster.
std::string BadOption(const std::string& typed, int code)
{
    if (typed.starts_with("--") && code != 0 && typed.find('=') != std::string::npos)
        return Format(_("'{1}': {2} takes no value"), {typed, OptionName(code)});
    if (typed.starts_with("--") || code <= 0 || code >= 256) return Format(_("unknown option '{1}'"), {typed});
    return Format(_("unknown option '{1}'"), {std::string("-") + static_cast<char>(code)});
}

std::string ReadColor(const std::string& when, ColorMode& color)
{
    if (when == "auto") color = ColorMode::Auto;
    else if (when == "always") color = ColorMode::Always;
    else if (when == "never") color = ColorMode::Never;
    else return Format(_("--color takes never, always or auto, not '{1}'"), {when});
    return {};
}

// The file of --pdf or --import-notice: "-" stands for a standard stream, and a value that
// looks like an option is one given without its file (--pdf --help), unless "--" comes
// first (--pdf -- -x.pdf names the file "-x.pdf").
std::string ReadFileName(int code, std::string_view value, const char* following, std::string& file)
{
    if (value == "--" && following) {
        file = following;
        return {};
    }
    if (value.starts_with('-') && value != "-")
        return Format(_("{1} takes a file, not the option '{2}'; a file named so is given as {1} -- {2}"),
                      {OptionName(code), value});
    file = value;
    return {};
}

// The value of one option into o; `following` is the argument after it (--years A B, and
// the file after --pdf --).
std::string ReadValue(int code, const char* value, const char* following, Options& o)
{
    switch (code) {
    case 'm': o.mondayFirst = true; break;
    case 's': o.mondayFirst = false; break;
    case 'n':
        if (!ParseNumber(value, o.months) || o.months < 1) return MonthCountWanted();
        break;
    case ColorOption: return ReadColor(value ? value : "always", o.color);
    case LeapOption: o.leap = true; break;
    case SummaryOption: o.summary = value; break;
    case YearsOption:
        if (!following || !ParseNumber(value, o.fromYear) || !ParseNumber(following, o.toYear)) return YearsWanted();
        break;
    case ImportNoticeOption: return ReadFileName(code, value, following, o.notice);
    case WriteOption: o.write = true; break;
    case ReplaceOption: o.replace = true; break;
    case PdfOption: return ReadFileName(code, value, following, o.pdf.file);
    case PaperOption: return ReadPaper(value, o.pdf.paper);
    case AddDayOption:
    case RemoveDayOption: o.dayTitle = value; break;
    case SinceOption:
        if (!ParseNumber(value, o.since) || o.since < 1 || o.since > 9999) return SinceWanted();
        break;
    case RemindListCode:
        if (!*value) return _("--remind takes the days before, such as 3,1, or 无 for none");
        o.reminders = value;
        break;
    default: break;  // the commands and -3 and -y are counted only
    }
    return {};
}

// One pass over the arguments: each option counted and its value read. --help and --version
// end the pass and leave the rest unread.
std::string ReadOptions(const std::vector<std::string>& args, Options& o, Scan& scan)
{
    // getopt takes C strings and reorders the pointers; the copies live as long as the parse.
    std::vector<std::string> copies = args;
    copies.insert(copies.begin(), "dovrin-cal");
    std::vector<char*> argv;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(copies.size());
    optind = 0;  // a fresh scan, also when the parse runs again in one process
    opterr = 0;  // the errors are ours to word
    for (int code; (code = getopt_long(argc, argv.data(), ShortOptions, LongOptions, nullptr)) != -1;) {
        if (code == '?') return BadOption(argv[static_cast<std::size_t>(optind - 1)], optopt);
        if (code == ':') return MissingValue(optopt);
        const char* value = optarg;
        if (code == RemindOption &&
            (value = RemindValue(optarg, optind < argc ? argv[static_cast<std::size_t>(optind)] : nullptr))) {
            if (!optarg) ++optind;  // the list as the next argument
            code = RemindListCode;
        }
        if (++scan.count[code] > 1 && std::ranges::find(OnceOnly, code) != std::end(OnceOnly))
            return Format(_("{1} may be given only once"), {OptionName(code)});
        if (code == 'h' || code == VersionOption) {
            o.command = code == 'h' ? Command::Help : Command::Version;
            return {};
        }
        const bool takesTwo = code == YearsOption || ((code == PdfOption || code == ImportNoticeOption) &&
                                                      std::string_view(optarg) == "--");
        const char* following = takesTwo && optind < argc ? argv[static_cast<std::size_t>(optind)] : nullptr;
        if (takesTwo && code != YearsOption && !following) return MissingValue(code);
        if (std::string why = ReadValue(code, value, following, o); !why.empty()) return why;
        if (following) ++optind;  // B of --years A B
    }
    // getopt has moved the arguments that are no options to the end.
    scan.positional.assign(argv.begin() + std::min(optind, argc), argv.end() - 1);
    return {};
}

// The commands on the user's own days take their own options only.
std::string CheckMyDayOptions(const Scan& s)
{
    if ((s.Has(SinceOption) || s.Has(RemindListCode)) && !s.Has(AddDayOption))
        return _("--since and --remind N,… go with --add-day");
    const int actions = s.MyDayActions();
    if (actions == 0) return {};
    if (actions > 1) return _("--add-day, --remove-day, --my-days, --ics-my-days and --remind cannot be combined");
    const bool others = s.Has('3') || s.Has('y') || s.Has('n') || s.Has('m') || s.HasAction() ||
                        s.Has(LeapOption) || s.Has(SummaryOption) || s.Has(ImportNoticeOption) ||
                        s.Has(WriteOption) || s.Has(ReplaceOption) || s.Has(PdfOption) || s.Has(PaperOption);
    if (others || (s.Has(YearsOption) && !s.Has(IcsMyDaysOption)))
        return _("--add-day, --remove-day, --my-days, --ics-my-days and --remind take only their own options");
    return {};
}

// Options that exclude each other, and options that need another.
std::string CheckCombinations(const Scan& s)
{
    if (std::string why = CheckMyDayOptions(s); !why.empty() || s.MyDayActions()) return why;
    const bool grid = s.Has('3') || s.Has('y') || s.Has('n');
    if (s.Has(TableOption) + s.Has(LunarOption) + s.Has(InfoOption) + s.Has(IcsOption) + s.Has(IcsLunarOption) > 1)
        return _("--table, --lunar, --info, --ics and --ics-lunar cannot be combined");
    if (s.Has(LeapOption) && !s.Has(LunarOption) && !s.Has(IcsLunarOption))
        return _("--leap goes with --lunar or --ics-lunar");
    if ((s.Has(SummaryOption) || s.Has(YearsOption)) && !s.Has(IcsLunarOption))
        return _("--summary and --years go with --ics-lunar");
    if (s.Has('3') + s.Has('y') + s.Has('n') > 1) return _("-3, -y and -n cannot be combined");
    if (grid && s.HasAction()) return _("-3, -y and -n go with the month grid only");
    if ((s.Has(WriteOption) || s.Has(ReplaceOption)) && !s.Has(ImportNoticeOption))
        return _("--write and --replace go with --import-notice");
    if (s.Has(ReplaceOption) && !s.Has(WriteOption)) return _("--replace goes with --write");
    if (s.Has(ImportNoticeOption) && s.HasAction())
        return _("--import-notice cannot be combined with --table, --lunar, --info, --ics or --ics-lunar");
    if (s.Has(ImportNoticeOption) && (s.Has('3') || s.Has('n') || s.Has(LeapOption)))
        return _("-3, -y and -n go with the month grid only");
    if (s.Has(PaperOption) && !s.Has(PdfOption)) return _("--paper goes with --pdf");
    if (s.Has(PdfOption) && (grid || s.HasAction() || s.Has(ImportNoticeOption) || s.Has('m') || s.Has(LeapOption) ||
                             s.Has(SummaryOption) || s.Has(YearsOption) || s.Has(WriteOption) || s.Has(ReplaceOption)))
        return _("--pdf takes a file, a year and a month, and --paper only");
    return {};
}

Command CommandOf(const Scan& s)
{
    if (s.Has(AddDayOption)) return Command::AddDay;
    if (s.Has(RemoveDayOption)) return Command::RemoveDay;
    if (s.Has(MyDaysOption)) return Command::MyDays;
    if (s.Has(IcsMyDaysOption)) return Command::IcsMyDays;
    if (s.Has(RemindOption)) return Command::Remind;
    if (s.Has(PdfOption)) return Command::Pdf;
    if (s.Has(ImportNoticeOption)) return Command::ImportNotice;
    if (s.Has(TableOption)) return Command::Table;
    if (s.Has(IcsOption)) return Command::Ics;
    if (s.Has(LunarOption)) return Command::Lunar;
    if (s.Has(IcsLunarOption)) return Command::IcsLunar;
    if (s.Has(InfoOption)) return Command::Info;
    return Command::Months;
}

// --import-notice FILE [--year YYYY]: getopt has left the year among the other arguments.
std::string ParseImportNotice(const Scan& s, Options& o)
{
    const bool year = s.Has('y');
    if (year && s.count.at('y') > 1) return Format(_("{1} may be given only once"), {"--year"});
    if (s.positional.size() != (year ? 1u : 0u) ||
        (year && (!IsFourDigits(s.positional[0]) || !ParseNumber(s.positional[0], o.noticeYear))))
        return _("--import-notice takes one file, and --year a year of four digits");
    return {};
}

// FROM and TO of --table and --ics.
std::string ParseDateRange(const Scan& s, Options& o)
{
    const std::vector<std::string>& positional = s.positional;
    if (positional.size() != 2)
        return Format(_("{1} takes two dates, FROM and TO (YYYY-MM-DD)"),
                      {o.command == Command::Table ? "--table" : "--ics"});
    std::string why;
    if (!ParseDate(positional[0], o.from, why) || !ParseDate(positional[1], o.to, why))
        return Format(_("{1}; the covered range is {2}"), {why, Range(FirstCoveredDay, LastCoveredDay)});
    for (const auto& [date, text] : {std::pair{o.from, positional[0]}, std::pair{o.to, positional[1]}})
        if (std::string out = InSpan(date, text, FirstCoveredDay, LastCoveredDay); !out.empty()) return out;
    if (o.to < o.from) return Format(_("FROM {1} is after TO {2}"), {positional[0], positional[1]});
    return {};
}

std::string ParseLunar(const Scan& s, Options& o)
{
    const std::vector<std::string>& p = s.positional;
    if (p.size() != 3 || !ParseNumber(p[0], o.lunarYear) || !ParseNumber(p[1], o.lunarMonth) ||
        !ParseNumber(p[2], o.lunarDay))
        return _("--lunar takes a lunar year, month and day as numbers, e.g. --lunar 2020 4 1 --leap");
    return CheckLunar(o);
}

std::string CheckSummary(const Scan& s, const std::string& summary)
{
    if (!s.Has(SummaryOption) || summary.empty()) return _("--ics-lunar needs --summary TEXT, the title of the events");
    if (!IsValidUtf8(summary, false)) return _("the --summary text must be UTF-8 without control characters");
    // Spaces alone, ideographic ones too, make an event without a title.
    if (ReplaceAll(summary, "\u3000", " ").find_first_not_of(' ') == std::string::npos)
        return _("the --summary text is blank; give the title of the events");
    return {};
}

std::string ParseIcsLunar(const Scan& s, Options& o)
{
    const std::vector<std::string>& p = s.positional;
    if (p.size() != 2 || !ParseNumber(p[0], o.lunarMonth) || !ParseNumber(p[1], o.lunarDay))
        return _("--ics-lunar takes a lunar month and day as numbers, e.g. --ics-lunar 8 15 --summary TEXT");
    if (std::string why = CheckLunarMonthAndDay(o.lunarMonth, o.lunarDay); !why.empty()) return why;
    if (std::string why = CheckSummary(s, o.summary); !why.empty()) return why;
    if (!s.Has(YearsOption)) {
        o.fromYear = FirstLunarYear;
        o.toYear = LastLunarYear;
    }
    for (std::int32_t year : {o.fromYear, o.toYear})
        if (std::string why = LunarYearInSpan(year); !why.empty()) return why;
    if (o.fromYear > o.toYear)
        return Format(_("--years {1} {2}: the first year is after the last"),
                      {std::to_string(o.fromYear), std::to_string(o.toYear)});
    return {};
}

std::string ParseInfo(const Scan& s, Options& o)
{
    const std::vector<std::string>& p = s.positional;
    if (p.size() > 1) return _("--info takes at most one date (YYYY-MM-DD)");
    std::string why;
    if (!p.empty() && !ParseDate(p[0], o.from, why))
        return Format(_("{1}; the day text covers {2}"), {why, Range(FirstTextDay, LastTextDay)});
    return InSpan(o.from, p.empty() ? _("today") : p[0], FirstTextDay, LastTextDay);
}

std::string YearInSpan(std::int32_t year, const std::string& text)
{
    if (year < FirstLunarYear || year > LastLunarYear)
        return Format(_("year {1} is outside the covered years {2}"),
                      {text, YearRange(FirstLunarYear, LastLunarYear)});
    return {};
}

// --add-day TITLE DATE, --remove-day TITLE, --my-days, --ics-my-days [--years A B] and
// --remind; the date is read with the file's own rules when the day is made.
std::string ParseMyDayCommand(const Scan& s, CivilDate today, Options& o)
{
    const std::size_t wanted = o.command == Command::AddDay ? 1 : 0;
    if (s.positional.size() != wanted) {
        switch (o.command) {
        case Command::AddDay: return MissingValue(AddDayOption);
        case Command::RemoveDay: return _("--remove-day takes the title of a day only");
        case Command::MyDays: return Format(_("{1} takes no arguments"), {"--my-days"});
        case Command::Remind: return Format(_("{1} takes no arguments"), {"--remind"});
        default: return Format(_("{1} takes no arguments"), {"--ics-my-days"});
        }
    }
    if (wanted) o.dayDate = s.positional[0];
    if (o.command != Command::IcsMyDays) return {};
    o.firstYear = s.Has(YearsOption) ? o.fromYear : today.year;
    o.lastYear = s.Has(YearsOption) ? o.toYear : LastLunarYear;
    for (std::int32_t year : {o.firstYear, o.lastYear})
        if (std::string why = YearInSpan(year, std::to_string(year)); !why.empty()) return why;
    if (o.firstYear > o.lastYear)
        return Format(_("--years {1} {2}: the first year is after the last"),
                      {std::to_string(o.firstYear), std::to_string(o.lastYear)});
    return {};
}

// The month grid's [YEAR], [YEAR MONTH] or [MONTH YEAR]; a four-digit number is the year.
std::string ReadMonthArguments(const std::vector<std::string>& p, Options& o)
{
    if (p.size() > 2) return _("too many arguments; give YEAR, or MONTH and YEAR in either order");
    if (p.size() == 1) {
        if (!ParseNumber(p[0], o.year)) return Format(_("'{1}' is not a year"), {p[0]});
        o.month = 1;
        return YearInSpan(o.year, p[0]);
    }
    if (p.size() == 2) {
        const bool firstIsYear = IsFourDigits(p[0]);
        if (firstIsYear == IsFourDigits(p[1]))
            return Format(_("'{1} {2}': write the year with four digits, e.g. dovrin-cal 2 2008"), {p[0], p[1]});
        const std::string& yearText = p[firstIsYear ? 0 : 1];
        const std::string& monthText = p[firstIsYear ? 1 : 0];
        if (!ParseNumber(yearText, o.year)) return Format(_("'{1}' is not a year"), {yearText});
        if (!ParseNumber(monthText, o.month) || o.month < 1 || o.month > 12)
            return Format(_("'{1}' is not a month; valid months are 1..12"), {monthText});
    }
    return {};
}

std::string ParseMonths(const Scan& s, Options& o)
{
    if (std::string why = ReadMonthArguments(s.positional, o); !why.empty()) return why;
    const bool three = s.Has('3'), monthCount = s.Has('n');
    const bool wholeYear = s.Has('y') || (s.positional.size() == 1 && !three && !monthCount);
    std::int32_t first = MonthIndex(o.year, o.month);
    if (wholeYear) {
        if (std::string why = YearInSpan(o.year, std::to_string(o.year)); !why.empty()) return why;
        first = MonthIndex(o.year, 1);
        o.months = 12;
    } else if (three) {
        first -= 1;
        o.months = 3;
    }
    const std::int32_t firstCovered = MonthIndex(FirstCoveredDay.year, FirstCoveredDay.month);
    const std::int32_t lastCovered = MonthIndex(LastCoveredDay.year, LastCoveredDay.month);
    if (first < firstCovered || first > lastCovered || o.months - 1 > lastCovered - first) {
        if (s.positional.empty() && !three && !monthCount)
            return Format(_("today's month is outside the covered months {1}; name a month, e.g. dovrin-cal 2 2008"),
                          {MonthRange()});
        const std::string shown = o.months == 1 || first > lastCovered
                                      ? MonthText(first)
                                      : MonthText(first) + ".." + MonthText(first + o.months - 1);
        return Format(_("month {1} is outside the covered months {2}"), {shown, MonthRange()});
    }
    o.year = first / 12;
    o.month = first % 12 + 1;
    return {};
}

}  // namespace

ParseResult ParseOptions(const std::vector<std::string>& args, CivilDate today)
{
    ParseResult result;
    Options& o = result.options;
    o.year = today.year;
    o.month = today.month;
    o.from = today;
    Scan scan;
    result.error = ReadOptions(args, o, scan);
    if (!result.error.empty() || o.command == Command::Help || o.command == Command::Version) return result;
    if (result.error = CheckCombinations(scan); !result.error.empty()) return result;
    o.command = CommandOf(scan);
    switch (o.command) {
    case Command::ImportNotice: result.error = ParseImportNotice(scan, o); break;
    case Command::Table:
    case Command::Ics: result.error = ParseDateRange(scan, o); break;
    case Command::Lunar: result.error = ParseLunar(scan, o); break;
    case Command::IcsLunar: result.error = ParseIcsLunar(scan, o); break;
    case Command::Info: result.error = ParseInfo(scan, o); break;
    case Command::Pdf: result.error = ParsePdfArguments(scan.positional, today, o.pdf); break;
    case Command::AddDay:
    case Command::RemoveDay:
    case Command::MyDays:
    case Command::IcsMyDays:
    case Command::Remind: result.error = ParseMyDayCommand(scan, today, o); break;
    default: result.error = ParseMonths(scan, o); break;
    }
    return result;
}

std::string Usage()
{
    std::string text = _("Usage: dovrin-cal [OPTION]... [[MONTH] YEAR]\n"
                         "       dovrin-cal [OPTION]... [YEAR [MONTH]]\n"
                         "Shows the Gregorian calendar with the Chinese lunar calendar, the holidays and\n"
                         "the solar terms. A four-digit number is the year: MONTH and YEAR may come in\n"
                         "either order.\n");
    text += "\n";
    text += _("  dovrin-cal                     this month\n"
              "  dovrin-cal 2 2008              February 2008 (dovrin-cal 2008 2 as well)\n"
              "  dovrin-cal 2008                the whole year 2008\n"
              "  dovrin-cal --table FROM TO     one tab-separated line of facts per day\n"
              "  dovrin-cal --lunar Y M D [--leap]\n"
              "                                 the Gregorian date of a lunar date\n"
              "  dovrin-cal --info [DATE]       the day information text (of today by default)\n"
              "  dovrin-cal --ics FROM TO       iCalendar file of the holidays and solar terms\n"
              "  dovrin-cal --ics-lunar M D [--leap] --summary TEXT [--years A B]\n"
              "                                 one iCalendar event a year on a lunar date\n"
              "Dates are written YYYY-MM-DD.\n");
    text += "\n";
    text += _("Month grid:\n"
              "  -3, --three        the previous, this and the next month\n"
              "  -y, --year         the whole year\n"
              "  -n, --months N     N months from the given one on\n"
              "  -m, --monday       weeks start on Monday\n"
              "  -s, --sunday       weeks start on Sunday (the default)\n"
              "  --color[=WHEN]     colours: never, always or auto; auto, the default, colours\n"
              "                     on a terminal unless NO_COLOR is set or TERM is dumb;\n"
              "                     --color alone: always\n"
              "Months stand side by side as far as the width allows: the terminal's, COLUMNS\n"
              "when set, 80 when not a terminal. Under each month its holidays and solar\n"
              "terms are listed in full. On a terminal today is shown in reverse video,\n"
              "unless --color=never or TERM is dumb.\n");
    text += "\n";
    text += _("iCalendar (RFC 5545) export, all-day events for calendar programs:\n"
              "  --ics FROM TO      every holiday and solar term from FROM to TO\n"
              "  --ics-lunar M D    one event a lunar year on day D of lunar month M\n"
              "  --summary TEXT     the title of those events: one line of UTF-8 text, without\n"
              "                     newlines, tabs or other control characters, not blank\n"
              "  --years A B        the lunar years A to B (every covered year without it)\n"
              "  --leap             the leap month after month M (also with --lunar)\n"
              "Day 30 in a year whose month has 29 days falls on the month's last day; a\n"
              "leap-month date in a year without that leap month falls on the ordinary month.\n");
    text += "\n";
    text += _("Days off and make-up working days from the State Council's yearly notice\n"
              "(国务院办公厅关于YYYY年部分节假日安排的通知), pasted as published:\n"
              "  --import-notice FILE  read the notice from FILE, or - for standard input,\n"
              "                     and print its days as lines of the user's file\n"
              "  --year YYYY        the notice's year, where the text lacks its title\n"
              "  --write            add the lines to the user's file instead of printing them\n"
              "  --replace          with --write: replace the lines of that year in the file\n"
              "The user's file is $XDG_DATA_HOME/dovrin/rest-days.tsv\n"
              "(~/.local/share/dovrin/rest-days.tsv); holiday-cn's YYYY.json files beside it\n"
              "are read as well.\n");
    text += "\n";
    text += _("Your own days (birthdays, anniversaries, memorial days), in the file\n"
              "$XDG_DATA_HOME/dovrin/my-days.tsv (~/.local/share/dovrin/my-days.tsv):\n"
              "  --add-day TITLE DATE  add a day; DATE is lunar (农历八月十五, 农历闰四月初一,\n"
              "                     农历8月15) or Gregorian (10-01, or 2005-10-01 whose year\n"
              "                     is the first year)\n"
              "  --since YEAR       with --add-day: the first year, for ages and anniversaries\n"
              "  --remind N,...     with --add-day: remind N days before (无: never); a\n"
              "                     birthday is reminded 3 and 1 days before by default\n"
              "  --remove-day TITLE remove the day with that title\n"
              "  --my-days          every day with its next date and the days until it\n"
              "  --ics-my-days [--years A B]\n"
              "                     iCalendar file of the days, one event a year with its\n"
              "                     reminders, the years A to B (this year to the last\n"
              "                     covered year without it)\n"
              "  --remind           one desktop notification of the days reminded of today\n");
    text += "\n";
    text += _("Pages to print, as a PDF file:\n"
              "  --pdf FILE [YEAR [MONTH]]\n"
              "                     the year on one portrait page, or the month on one\n"
              "                     landscape page with its holidays, solar terms and days\n"
              "                     off listed; this year by default; FILE - for standard output\n"
              "  --paper SIZE       a4 (the default) or letter\n");
    text += "\n";
    text += _("Other options:\n"
              "  -h, --help         show this help and exit\n"
              "  --version          show the version and exit\n");
    text += "\n";
    text += _("An option that names an action or a file may be given once: --table, --lunar,\n"
              "--info, --ics, --ics-lunar, --import-notice, --year YYYY, --write, --replace,\n"
              "--add-day, --remove-day, --my-days, --ics-my-days, --remind.\n"
              "Of an option with a value the last one counts: -n, --color, --summary,\n"
              "--years, --since, --remind N,..., and -m or -s. The switches -3, -y and\n"
              "--leap may be repeated.\n");
    text += "\n";
    text += Format(_("Covered span: {1} (lunar years {2});\n"
                     "the day information text covers the years {3}.\n"
                     "Exit status: 0 on success, 1 when the output or the user's file cannot be\n"
                     "written, 2 on bad arguments or a notice that is not understood.\n"),
                   {Range(FirstCoveredDay, LastCoveredDay), YearRange(FirstLunarYear, LastLunarYear),
                    YearRange(FirstWholeYear, LastWholeYear)});
    return text;
}

}  // namespace dovrin::cli
