// dovrin-cal's command line: what to show, parsed and checked before anything prints.
#include "options.h"

#include <charconv>

#include "calendar/clsDate.h"

namespace dovrin::cli {
namespace {

constexpr CivilDate SpanStart{1900, 1, 31};
constexpr CivilDate SpanEnd{2050, 1, 22};
constexpr const char* SpanText = "1900-01-31..2050-01-22";

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

std::string InSpan(CivilDate date, const std::string& text, CivilDate first, CivilDate last, const char* range)
{
    if (Before(date, first) || Before(last, date)) return "'" + text + "' is outside the covered range " + range;
    return {};
}

std::string CheckLunar(const Options& o)
{
    if (o.lunarYear < 1900 || o.lunarYear > 2049)
        return "lunar year " + std::to_string(o.lunarYear) + " is outside the covered range 1900..2049";
    if (o.lunarMonth < 1 || o.lunarMonth > 12)
        return "lunar month " + std::to_string(o.lunarMonth) + " is not a month; valid months are 1..12";
    if (o.lunarDay < 1 || o.lunarDay > 30)
        return "lunar day " + std::to_string(o.lunarDay) + " is not a day; valid days are 1..30";
    clsDate date;
    date.lInitDate(o.lunarYear, o.lunarMonth, o.lunarDay, o.leap);
    if (o.leap && !date.IsLeap())
        return "lunar year " + std::to_string(o.lunarYear) + " has no leap month " + std::to_string(o.lunarMonth);
    clsDate back;
    back.sInitDate(date.sYear(), date.sMonth(), date.sDay());
    if (back.lDay() != o.lunarDay)
        return "that lunar month has only " + std::to_string(o.lunarDay - back.lDay()) + " days";
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
            return fail(why + "; the covered range is " + SpanText);
        for (const auto& [date, text] : {std::pair{o.from, positional[0]}, std::pair{o.to, positional[1]}})
            if (std::string out = InSpan(date, text, SpanStart, SpanEnd, SpanText); !out.empty()) return fail(out);
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
            return fail(why + "; the day text covers 1901-01-01..2049-12-31");
        if (std::string out = InSpan(o.from, text, {1901, 1, 1}, {2049, 12, 31}, "1901-01-01..2049-12-31");
            !out.empty())
            return fail(out);
        return result;
    }

    if (positional.size() > 2) return fail("too many arguments; give YEAR or YEAR MONTH");
    if (positional.size() == 1) {
        o.command = Command::Year;
        if (!ParseNumber(positional[0], o.year)) return fail("'" + positional[0] + "' is not a year");
        if (o.year < 1900 || o.year > 2049)
            return fail("year " + positional[0] + " is outside the covered years 1900..2049");
    } else if (positional.size() == 2) {
        o.command = Command::Month;
        if (!ParseNumber(positional[0], o.year)) return fail("'" + positional[0] + "' is not a year");
        if (!ParseNumber(positional[1], o.month) || o.month < 1 || o.month > 12)
            return fail("'" + positional[1] + "' is not a month; valid months are 1..12");
        if (o.year * 12 + o.month < 1900 * 12 + 1 || o.year * 12 + o.month > 2050 * 12 + 1)
            return fail("month " + positional[0] + "-" + positional[1] + " is outside the covered months 1900-01..2050-01");
    } else if (o.year * 12 + o.month < 1900 * 12 + 1 || o.year * 12 + o.month > 2050 * 12 + 1) {
        return fail("today's month is outside the covered months 1900-01..2050-01; name a month, e.g. dovrin-cal 2008 2");
    }
    return result;
}

std::string Usage()
{
    return "Usage: dovrin-cal [OPTION]... [YEAR [MONTH]]\n"
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
           "\n"
           "Covered span: 1900-01-31..2050-01-22 (lunar years 1900..2049); the day text covers 1901..2049.\n"
           "Exit status: 0 on success, 2 on bad arguments.\n";
}

}  // namespace dovrin::cli
