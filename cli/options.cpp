// dovrin-cal's command line: what to show, parsed and checked before anything prints.
#include "cli/options.h"

#include <charconv>

#include "calendar/clsDate.h"
#include "calendar/span.h"

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

// Months are counted as year * 12 + month.
constexpr std::int32_t MonthCount(CivilDate date)
{
    return date.year * 12 + date.month;
}

std::string MonthRange()
{
    return IsoDate(FirstCoveredDay).substr(0, 7) + ".." + IsoDate(LastCoveredDay).substr(0, 7);
}

bool ParseNumber(const std::string& text, std::int32_t& value)
{
    if (text.empty() || text.size() > 6) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// YYYY-MM-DD, a real Gregorian day.
bool ParseDate(const std::string& text, CivilDate& date, std::string& error)
{
    const auto bad = [&](const std::string& why) {
        error = why;
        return false;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return bad("'" + text + "' is not a date of the form YYYY-MM-DD");
    if (!ParseNumber(text.substr(0, 4), date.year) || !ParseNumber(text.substr(5, 2), date.month) ||
        !ParseNumber(text.substr(8, 2), date.day))
        return bad("'" + text + "' is not a date of the form YYYY-MM-DD");
    if (!IsValidDate(date.year, date.month, date.day)) return bad("'" + text + "' is not a day of the calendar");
    return true;
}

bool Before(CivilDate a, CivilDate b)
{
    return DayNumber(a.year, a.month, a.day) < DayNumber(b.year, b.month, b.day);
}

std::string InSpan(CivilDate date, const std::string& text, CivilDate first, CivilDate last)
{
    if (Before(date, first) || Before(last, date))
        return "'" + text + "' is outside the covered range " + Range(first, last);
    return {};
}

std::string CheckLunar(const Options& o)
{
    if (o.lunarYear < FirstLunarYear || o.lunarYear > LastLunarYear)
        return "lunar year " + std::to_string(o.lunarYear) + " is outside the covered range " +
               YearRange(FirstLunarYear, LastLunarYear);
    if (o.lunarMonth < 1 || o.lunarMonth > 12)
        return "lunar month " + std::to_string(o.lunarMonth) + " is not a month; valid months are 1..12";
    if (o.lunarDay < 1 || o.lunarDay > 30)
        return "lunar day " + std::to_string(o.lunarDay) + " is not a day; valid days are 1..30";
    clsDate date;
    date.lInitDate(o.lunarYear, o.lunarMonth, o.lunarDay, o.leap);
    if (o.leap && !date.IsLeap())
        return "lunar year " + std::to_string(o.lunarYear) + " has no leap month " + std::to_string(o.lunarMonth);
    // The month's length: the day after its 29th is either its 30th or the next month's 1st.
    clsDate day29;
    day29.lInitDate(o.lunarYear, o.lunarMonth, 29, date.IsLeap());
    clsDate next;
    next.sInitDate(day29.sYear(), day29.sMonth(), day29.sDay() + 1);
    const std::int32_t length = next.lDay() == 30 ? 30 : 29;
    if (o.lunarDay > length) return "that lunar month has only " + std::to_string(length) + " days";
    return {};
}

bool MonthCovered(const Options& o)
{
    const std::int32_t shown = MonthCount({o.year, o.month, 1});
    return shown >= MonthCount(FirstCoveredDay) && shown <= MonthCount(LastCoveredDay);
}

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

    std::vector<std::string> positional;
    bool table = false, lunar = false, info = false;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            o.command = Command::Help;
            return result;
        } else if (arg == "--version") {
            o.command = Command::Version;
            return result;
        } else if (arg == "--table") {
            table = true;
        } else if (arg == "--lunar") {
            lunar = true;
        } else if (arg == "--info") {
            info = true;
        } else if (arg == "--leap") {
            o.leap = true;
        } else if (arg.starts_with("--color=")) {
            const std::string when = arg.substr(8);
            if (when == "auto") o.color = ColorMode::Auto;
            else if (when == "always") o.color = ColorMode::Always;
            else if (when == "never") o.color = ColorMode::Never;
            else return fail("--color takes never, always or auto, not '" + when + "'");
        } else if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
            return fail("unknown option '" + arg + "'");
        } else {
            positional.push_back(arg);
        }
    }
    if (table + lunar + info > 1) return fail("--table, --lunar and --info cannot be combined");
    if (o.leap && !lunar) return fail("--leap goes with --lunar");

    if (table) {
        o.command = Command::Table;
        if (positional.size() != 2) return fail("--table takes two dates, FROM and TO (YYYY-MM-DD)");
        std::string why;
        if (!ParseDate(positional[0], o.from, why) || !ParseDate(positional[1], o.to, why))
            return fail(why + "; the covered range is " + Range(FirstCoveredDay, LastCoveredDay));
        for (const auto& [date, text] : {std::pair{o.from, positional[0]}, std::pair{o.to, positional[1]}})
            if (std::string out = InSpan(date, text, FirstCoveredDay, LastCoveredDay); !out.empty()) return fail(out);
        if (Before(o.to, o.from)) return fail("FROM " + positional[0] + " is after TO " + positional[1]);
        return result;
    }
    if (lunar) {
        o.command = Command::Lunar;
        if (positional.size() != 3 || !ParseNumber(positional[0], o.lunarYear) ||
            !ParseNumber(positional[1], o.lunarMonth) || !ParseNumber(positional[2], o.lunarDay))
            return fail("--lunar takes a lunar year, month and day as numbers, e.g. --lunar 2020 4 1 --leap");
        if (std::string why = CheckLunar(o); !why.empty()) return fail(why);
        return result;
    }
    if (info) {
        o.command = Command::Info;
        if (positional.size() > 1) return fail("--info takes at most one date (YYYY-MM-DD)");
        const std::string text = positional.empty() ? "today" : positional[0];
        std::string why;
        if (!positional.empty() && !ParseDate(positional[0], o.from, why))
            return fail(why + "; the day text covers " + Range(FirstTextDay, LastTextDay));
        if (std::string out = InSpan(o.from, text, FirstTextDay, LastTextDay); !out.empty())
            return fail(out);
        return result;
    }

    if (positional.size() > 2) return fail("too many arguments; give YEAR or YEAR MONTH");
    if (positional.size() == 1) {
        o.command = Command::Year;
        if (!ParseNumber(positional[0], o.year)) return fail("'" + positional[0] + "' is not a year");
        if (o.year < FirstLunarYear || o.year > LastLunarYear)
            return fail("year " + positional[0] + " is outside the covered years " +
                        YearRange(FirstLunarYear, LastLunarYear));
    } else if (positional.size() == 2) {
        o.command = Command::Month;
        if (!ParseNumber(positional[0], o.year)) return fail("'" + positional[0] + "' is not a year");
        if (!ParseNumber(positional[1], o.month) || o.month < 1 || o.month > 12)
            return fail("'" + positional[1] + "' is not a month; valid months are 1..12");
        if (!MonthCovered(o))
            return fail("month " + positional[0] + "-" + positional[1] + " is outside the covered months " + MonthRange());
    } else if (!MonthCovered(o)) {
        return fail("today's month is outside the covered months " + MonthRange() +
                    "; name a month, e.g. dovrin-cal 2008 2");
    }
    return result;
}

std::string Usage()
{
    return std::string("Usage: dovrin-cal [OPTION]... [YEAR [MONTH]]\n"
           "Shows the Gregorian calendar with the Chinese lunar calendar, holidays and solar terms.\n"
           "\n"
           "  dovrin-cal                     this month\n"
           "  dovrin-cal 2008 2              February 2008\n"
           "  dovrin-cal 2008                the whole year 2008\n"
           "  dovrin-cal --table FROM TO     one tab-separated line per day, FROM and TO as YYYY-MM-DD\n"
           "  dovrin-cal --lunar Y M D [--leap]\n"
           "                                 the Gregorian date of a lunar date (--leap: the leap month)\n"
           "  dovrin-cal --info [YYYY-MM-DD] the day information text (today when no date is given)\n"
           "\n"
           "Options:\n"
           "  --color=WHEN   colour the grid: never, always or auto (default; honours NO_COLOR)\n"
           "  --help         show this help and exit\n"
           "  --version      show the version and exit\n"
           "\n") +
           "Covered span: " + Range(FirstCoveredDay, LastCoveredDay) + " (lunar years " +
           YearRange(FirstLunarYear, LastLunarYear) + "); the day text covers " +
           YearRange(FirstWholeYear, LastWholeYear) + ".\n"
           "Exit status: 0 on success, 2 on bad arguments.\n";
}

}  // namespace dovrin::cli
