// dovrin-cal from arguments to output, without touching the process's streams.
#include "run.h"

#include "calendar/clsDate.h"
#include "main_window/day_info_text.h"
#include "month_view.h"
#include "options.h"
#include "table.h"

namespace dovrin::cli {
namespace {

bool UseColor(ColorMode mode, const Terminal& terminal)
{
    switch (mode) {
    case ColorMode::Always: return true;
    case ColorMode::Never: return false;
    case ColorMode::Auto: return terminal.stdoutIsTerminal && !terminal.noColor;
    }
    return false;
}

std::string WithLineFeeds(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string IsoDate(const clsDate& date)
{
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date.sYear(), date.sMonth(), date.sDay());
    return iso;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const Terminal& terminal, std::string& out, std::string& err)
{
    const CivilDate today = Today();
    const ParseResult parsed = ParseOptions(args, today);
    if (!parsed.error.empty()) {
        err = "dovrin-cal: " + parsed.error + " (see dovrin-cal --help)\n";
        return 2;
    }
    const Options& o = parsed.options;
    const bool color = UseColor(o.color, terminal);
    switch (o.command) {
    case Command::Help:
        out = Usage();
        break;
    case Command::Version:
        out = std::string("dovrin-cal ") + DOVRIN_VERSION + "\n";
        break;
    case Command::Month:
        out = RenderMonth(o.year, o.month, today, color);
        break;
    case Command::Year:
        out = RenderYear(o.year, today, color);
        break;
    case Command::Table:
        out = TableHeader();
        AppendTableLines(out, o.from, o.to);
        break;
    case Command::Lunar: {
        clsDate date;
        date.lInitDate(o.lunarYear, o.lunarMonth, o.lunarDay, o.leap);
        out = IsoDate(date) + " " + date.sWeekDayStr() + "\n";
        break;
    }
    case Command::Info: {
        clsDate date;
        const ReferenceTexts texts = LoadReferenceTexts();
        out = WithLineFeeds(DayInfoText(date, texts, static_cast<std::int16_t>(o.from.year),
                                        static_cast<std::int16_t>(o.from.month), static_cast<std::int16_t>(o.from.day)));
        break;
    }
    }
    return 0;
}

}  // namespace dovrin::cli
