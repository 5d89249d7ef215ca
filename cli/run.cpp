// dovrin-cal from arguments to output, without touching the process's streams.
#include "cli/run.h"

#include "calendar/clsDate.h"
#include "calendar/utf8.h"
#include "cli/month_view.h"
#include "cli/options.h"
#include "cli/table.h"
#include "info_window/day_info_text.h"

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

}  // namespace

int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock, std::string& out,
           std::string& err)
{
    const CivilDate today = clock.Today();
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
        out = IsoDate({date.sYear(), date.sMonth(), date.sDay()}) + " " + date.sWeekDayStr() + "\n";
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
