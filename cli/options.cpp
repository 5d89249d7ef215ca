// dovrin-cal's command line: what to show, parsed and checked before anything prints.
#include "options.h"

#include <getopt.h>

#include <algorithm>
#include <charconv>

#include "calendar/clsDate.h"
#include "calendar/span.h"
#include "calendar/utf8.h"
#include "messages.h"
#include "info_window/named_days.h"

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

// Months are counted as year * 12 + month - 1.
constexpr std::int32_t MonthIndex(std::int32_t year, std::int32_t month)
{
    return year * 12 + month - 1;
}

std::string MonthText(std::int32_t index)
{
    const std::string month = std::to_string(index % 12 + 1);
    return std::to_string(index / 12) + "-" + (month.size() < 2 ? "0" : "") + month;
}

std::string MonthRange()
{
    return IsoDate(FirstCoveredDay).substr(0, 7) + ".." + IsoDate(LastCoveredDay).substr(0, 7);
}

bool ParseNumber(const std::string& text, std::int32_t& value)
{
    if (text.empty() || text.size() > 6 || text[0] == '-') return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool IsFourDigits(const std::string& text)
{
    return text.size() == 4 && text.find_first_not_of("0123456789") == std::string::npos;
}

// YYYY-MM-DD, a real Gregorian day.
bool ParseDate(const std::string& text, CivilDate& date, std::string& error)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !ParseNumber(text.substr(0, 4), date.year) ||
        !ParseNumber(text.substr(5, 2), date.month) || !ParseNumber(text.substr(8, 2), date.day)) {
        error = Format(_("'{1}' is not a date of the form YYYY-MM-DD"), {text});
        return false;
    }
    if (!IsValidDate(date.year, date.month, date.day)) {
        error = Format(_("'{1}' is not a day of the calendar"), {text});
        return false;
    }
    return true;
}

bool Before(CivilDate a, CivilDate b)
{
    return DayNumber(a.year, a.month, a.day) < DayNumber(b.year, b.month, b.day);
}

std::string InSpan(CivilDate date, const std::string& text, CivilDate first, CivilDate last)
{
    if (Before(date, first) || Before(last, date))
        return Format(_("'{1}' is outside the covered range {2}"), {text, Range(first, last)});
    return {};
}

// FROM and TO of --table and --ics.
std::string ParseDateRange(const std::vector<std::string>& positional, const char* option, Options& o)
{
    if (positional.size() != 2) return Format(_("{1} takes two dates, FROM and TO (YYYY-MM-DD)"), {option});
    std::string why;
    if (!ParseDate(positional[0], o.from, why) || !ParseDate(positional[1], o.to, why))
        return Format(_("{1}; the covered range is {2}"), {why, Range(FirstCoveredDay, LastCoveredDay)});
    for (const auto& [date, text] : {std::pair{o.from, positional[0]}, std::pair{o.to, positional[1]}})
        if (std::string out = InSpan(date, text, FirstCoveredDay, LastCoveredDay); !out.empty()) return out;
    if (Before(o.to, o.from)) return Format(_("FROM {1} is after TO {2}"), {positional[0], positional[1]});
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
    if (o.lunarYear < FirstLunarYear || o.lunarYear > LastLunarYear)
        return Format(_("lunar year {1} is outside the covered range {2}"),
                      {std::to_string(o.lunarYear), YearRange(FirstLunarYear, LastLunarYear)});
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
    optVersion = 256,
    optColor,
    optTable,
    optLunar,
    optInfo,
    optIcs,
    optIcsLunar,
    optLeap,
    optSummary,
    optYears,
    optImportNotice,
    optWrite,
    optReplace,
    optPdf,
    optPaper,
};

constexpr option LongOptions[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, optVersion},
    {"three", no_argument, nullptr, '3'},
    {"year", no_argument, nullptr, 'y'},
    {"months", required_argument, nullptr, 'n'},
    {"monday", no_argument, nullptr, 'm'},
    {"sunday", no_argument, nullptr, 's'},
    {"color", optional_argument, nullptr, optColor},
    {"table", no_argument, nullptr, optTable},
    {"lunar", no_argument, nullptr, optLunar},
    {"info", no_argument, nullptr, optInfo},
    {"ics", no_argument, nullptr, optIcs},
    {"ics-lunar", no_argument, nullptr, optIcsLunar},
    {"leap", no_argument, nullptr, optLeap},
    {"summary", required_argument, nullptr, optSummary},
    {"years", required_argument, nullptr, optYears},
    {"import-notice", required_argument, nullptr, optImportNotice},
    {"write", no_argument, nullptr, optWrite},
    {"replace", no_argument, nullptr, optReplace},
    {"pdf", required_argument, nullptr, optPdf},
    {"paper", required_argument, nullptr, optPaper},
    {nullptr, 0, nullptr, 0},
};

// A leading ':' makes getopt report a missing value apart from an unknown option.
constexpr const char* ShortOptions = ":3ymshn:";

}  // namespace

ParseResult ParseOptions(const std::vector<std::string>& args, CivilDate today)
{
    ParseResult result;
    Options& o = result.options;
    o.year = today.year;
    o.month = today.month;
    o.from = today;
    const auto fail = [&](std::string why) {
        result.error = std::move(why);
        return result;
    };

    bool table = false, lunar = false, info = false, ics = false, icsLunar = false;
    bool three = false, wholeYear = false, monthCount = false, summary = false, years = false, import = false;
    bool pdf = false, paper = false;
    std::string paperText;

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
        // The argument getopt has just read, for the messages.
        const std::string current = optind >= 1 && optind <= argc ? argv[static_cast<std::size_t>(optind - 1)] : "";
        switch (code) {
        case 'h': o.command = Command::Help; return result;
        case optVersion: o.command = Command::Version; return result;
        case '3': three = true; break;
        case 'y': wholeYear = true; break;
        case 'm': o.mondayFirst = true; break;
        case 's': o.mondayFirst = false; break;
        case 'n':
            if (!ParseNumber(optarg, o.months) || o.months < 1)
                return fail(_("-n and --months take a number of months, 1 or more"));
            monthCount = true;
            break;
        case optColor: {
            const std::string when = optarg ? optarg : "always";
            if (when == "auto") o.color = ColorMode::Auto;
            else if (when == "always") o.color = ColorMode::Always;
            else if (when == "never") o.color = ColorMode::Never;
            else return fail(Format(_("--color takes never, always or auto, not '{1}'"), {when}));
            break;
        }
        case optTable: table = true; break;
        case optLunar: lunar = true; break;
        case optInfo: info = true; break;
        case optIcs: ics = true; break;
        case optIcsLunar: icsLunar = true; break;
        case optLeap: o.leap = true; break;
        case optSummary:
            o.summary = optarg;
            summary = true;
            break;
        case optYears:
            // Two values: A is getopt's, B the argument after it.
            if (optind >= argc || !ParseNumber(optarg, o.fromYear) ||
                !ParseNumber(argv[static_cast<std::size_t>(optind)], o.toYear))
                return fail(_("--years takes two lunar years, A and B"));
            ++optind;
            years = true;
            break;
        case optImportNotice:
            o.notice = optarg;
            import = true;
            break;
        case optWrite: o.write = true; break;
        case optReplace: o.replace = true; break;
        case optPdf:
            o.pdf.file = optarg;
            pdf = true;
            break;
        case optPaper:
            paperText = optarg;
            paper = true;
            break;
        case ':':
            if (optopt == optPdf) return fail(_("--pdf takes a file, or - for standard output"));
            if (optopt == optPaper) return fail(_("--paper takes a4 or letter"));
            if (optopt == optImportNotice) return fail(_("--import-notice takes a file, or - for standard input"));
            if (optopt == 'n') return fail(_("-n and --months take a number of months, 1 or more"));
            if (optopt == optSummary) return fail(_("--summary takes the title of the event"));
            return fail(_("--years takes two lunar years, A and B"));
        default:
            // An unknown option: a short one is named by optopt, a long one by its argument.
            return fail(Format(_("unknown option '{1}'"),
                               {optopt > 0 && optopt < 256 ? std::string("-") + static_cast<char>(optopt) : current}));
        }
    }
    // getopt has moved the arguments that are no options to the end.
    const std::vector<std::string> positional(argv.begin() + std::min(optind, argc), argv.end() - 1);

    if (pdf || paper) {
        if (!pdf) return fail(_("--paper goes with --pdf"));
        if (table || lunar || info || ics || icsLunar || import || three || wholeYear || monthCount || o.mondayFirst ||
            o.leap || summary || years || o.write || o.replace)
            return fail(_("--pdf takes a file, a year and a month, and --paper only"));
        o.command = Command::Pdf;
        if (std::string why = ParsePdfArguments(positional, paperText, today, o.pdf); !why.empty()) return fail(why);
        return result;
    }
    if (table + lunar + info + ics + icsLunar > 1)
        return fail(_("--table, --lunar, --info, --ics and --ics-lunar cannot be combined"));
    if (o.leap && !lunar && !icsLunar) return fail(_("--leap goes with --lunar or --ics-lunar"));
    if ((summary || years) && !icsLunar) return fail(_("--summary and --years go with --ics-lunar"));
    if (three + wholeYear + monthCount > 1) return fail(_("-3, -y and -n cannot be combined"));
    if ((three || wholeYear || monthCount) && (table || lunar || info || ics || icsLunar))
        return fail(_("-3, -y and -n go with the month grid only"));

    if ((o.write || o.replace) && !import) return fail(_("--write and --replace go with --import-notice"));
    if (o.replace && !o.write) return fail(_("--replace goes with --write"));
    if (import) {
        if (table + lunar + info + ics + icsLunar > 0)
            return fail(_("--import-notice cannot be combined with --table, --lunar, --info, --ics or --ics-lunar"));
        if (three || monthCount || o.leap) return fail(_("-3, -y and -n go with the month grid only"));
        o.command = Command::ImportNotice;
        // --year YYYY: getopt has left the year among the other arguments.
        if (positional.size() != (wholeYear ? 1u : 0u) ||
            (wholeYear && (!IsFourDigits(positional[0]) || !ParseNumber(positional[0], o.noticeYear))))
            return fail(_("--import-notice takes one file, and --year a year of four digits"));
        return result;
    }
    if (table || ics) {
        o.command = table ? Command::Table : Command::Ics;
        if (std::string why = ParseDateRange(positional, table ? "--table" : "--ics", o); !why.empty())
            return fail(why);
        return result;
    }
    if (lunar) {
        o.command = Command::Lunar;
        if (positional.size() != 3 || !ParseNumber(positional[0], o.lunarYear) ||
            !ParseNumber(positional[1], o.lunarMonth) || !ParseNumber(positional[2], o.lunarDay))
            return fail(_("--lunar takes a lunar year, month and day as numbers, e.g. --lunar 2020 4 1 --leap"));
        if (std::string why = CheckLunar(o); !why.empty()) return fail(why);
        return result;
    }
    if (icsLunar) {
        o.command = Command::IcsLunar;
        if (positional.size() != 2 || !ParseNumber(positional[0], o.lunarMonth) ||
            !ParseNumber(positional[1], o.lunarDay))
            return fail(_("--ics-lunar takes a lunar month and day as numbers, e.g. --ics-lunar 8 15 --summary TEXT"));
        if (std::string why = CheckLunarMonthAndDay(o.lunarMonth, o.lunarDay); !why.empty()) return fail(why);
        if (!summary || o.summary.empty()) return fail(_("--ics-lunar needs --summary TEXT, the title of the events"));
        if (!IsValidUtf8(o.summary, false))
            return fail(_("the --summary text must be UTF-8 without control characters"));
        // Spaces alone, ideographic ones too, make an event without a title.
        if (ReplaceAll(o.summary, "\u3000", " ").find_first_not_of(' ') == std::string::npos)
            return fail(_("the --summary text is blank; give the title of the events"));
        if (!years) {
            o.fromYear = FirstLunarYear;
            o.toYear = LastLunarYear;
        }
        for (std::int32_t year : {o.fromYear, o.toYear})
            if (year < FirstLunarYear || year > LastLunarYear)
                return fail(Format(_("lunar year {1} is outside the covered range {2}"),
                                   {std::to_string(year), YearRange(FirstLunarYear, LastLunarYear)}));
        if (o.fromYear > o.toYear)
            return fail(Format(_("--years {1} {2}: the first year is after the last"),
                               {std::to_string(o.fromYear), std::to_string(o.toYear)}));
        return result;
    }
    if (info) {
        o.command = Command::Info;
        if (positional.size() > 1) return fail(_("--info takes at most one date (YYYY-MM-DD)"));
        std::string why;
        if (!positional.empty() && !ParseDate(positional[0], o.from, why))
            return fail(Format(_("{1}; the day text covers {2}"), {why, Range(FirstTextDay, LastTextDay)}));
        const std::string text = positional.empty() ? _("today") : positional[0];
        if (std::string out = InSpan(o.from, text, FirstTextDay, LastTextDay); !out.empty()) return fail(out);
        return result;
    }

    // The month grid: [YEAR], [YEAR MONTH] or [MONTH YEAR]; a four-digit number is the year.
    o.command = Command::Months;
    if (positional.size() > 2) return fail(_("too many arguments; give YEAR, or MONTH and YEAR in either order"));
    if (positional.size() == 1) {
        if (!ParseNumber(positional[0], o.year)) return fail(Format(_("'{1}' is not a year"), {positional[0]}));
        if (o.year < FirstLunarYear || o.year > LastLunarYear)
            return fail(Format(_("year {1} is outside the covered years {2}"),
                               {positional[0], YearRange(FirstLunarYear, LastLunarYear)}));
        o.month = 1;
        if (!three && !monthCount) wholeYear = true;
    } else if (positional.size() == 2) {
        const bool firstIsYear = IsFourDigits(positional[0]);
        if (firstIsYear == IsFourDigits(positional[1]))
            return fail(Format(_("'{1} {2}': write the year with four digits, e.g. dovrin-cal 2 2008"),
                               {positional[0], positional[1]}));
        const std::string& yearText = positional[firstIsYear ? 0 : 1];
        const std::string& monthText = positional[firstIsYear ? 1 : 0];
        if (!ParseNumber(yearText, o.year)) return fail(Format(_("'{1}' is not a year"), {yearText}));
        if (!ParseNumber(monthText, o.month) || o.month < 1 || o.month > 12)
            return fail(Format(_("'{1}' is not a month; valid months are 1..12"), {monthText}));
    }

    std::int32_t first = MonthIndex(o.year, o.month);
    if (wholeYear) {
        if (o.year < FirstLunarYear || o.year > LastLunarYear)
            return fail(Format(_("year {1} is outside the covered years {2}"),
                               {std::to_string(o.year), YearRange(FirstLunarYear, LastLunarYear)}));
        first = MonthIndex(o.year, 1);
        o.months = 12;
    } else if (three) {
        first -= 1;
        o.months = 3;
    }
    const std::int32_t firstCovered = MonthIndex(FirstCoveredDay.year, FirstCoveredDay.month);
    const std::int32_t lastCovered = MonthIndex(LastCoveredDay.year, LastCoveredDay.month);
    if (first < firstCovered || first > lastCovered || o.months - 1 > lastCovered - first) {
        if (positional.empty() && !three && !monthCount)
            return fail(Format(_("today's month is outside the covered months {1}; name a month, e.g. dovrin-cal 2 2008"),
                               {MonthRange()}));
        const std::string shown = o.months == 1 || first > lastCovered
                                      ? MonthText(first)
                                      : MonthText(first) + ".." + MonthText(first + o.months - 1);
        return fail(Format(_("month {1} is outside the covered months {2}"), {shown, MonthRange()}));
    }
    o.year = first / 12;
    o.month = first % 12 + 1;
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
    text += Format(_("Covered span: {1} (lunar years {2});\n"
                     "the day information text covers the years {3}.\n"
                     "Exit status: 0 on success, 1 when the output or the user's file cannot be\n"
                     "written, 2 on bad arguments or a notice that is not understood.\n"),
                   {Range(FirstCoveredDay, LastCoveredDay), YearRange(FirstLunarYear, LastLunarYear),
                    YearRange(FirstWholeYear, LastWholeYear)});
    return text;
}

}  // namespace dovrin::cli
