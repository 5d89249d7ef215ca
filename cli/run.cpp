// dovrin-cal from arguments to output, without touching the process's streams.
#include "run.h"


#include "calendar/clsDate.h"
#include "calendar/utf8.h"
#include "ics.h"
#include "resources/messages.h"
#include "resources/my_days.h"
#include "month_view.h"
#include "my_days_commands.h"
#include "my_days_ics.h"
#include "options.h"
#include "table.h"
#include "info_window/day_info_text.h"

namespace dovrin::cli {
namespace {

GridStyle StyleFor(const Options& o, const Terminal& terminal)
{
    GridStyle style;
    style.mondayFirst = o.mondayFirst;
    style.columns = terminal.columns;
    switch (o.color) {
    case ColorMode::Always: style.color = true; break;
    case ColorMode::Never: style.color = false; break;
    case ColorMode::Auto: style.color = terminal.stdoutIsTerminal && !terminal.noColor && !terminal.dumb; break;
    }
    // Reverse video is no colour: a terminal shows today even under NO_COLOR, as cal does;
    // a dumb one takes no escape codes at all unless they are asked for.
    style.markToday =
        style.color || (terminal.stdoutIsTerminal && !terminal.dumb && o.color != ColorMode::Never);
    return style;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock, std::string& out,
           std::string& err)
{
    return RunCli(args, terminal, clock, RestDays(), out, err);
}

int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock,
           const RestDays& restDays, std::string& out, std::string& err)
{
    return RunCli(args, terminal, clock, restDays, ImportFiles{}, out, err);
}

namespace {

// Whether the command's output is text for people rather than data or a file's content:
// the iCalendar export, the PDF, the --table lines and the lines of a notice stay UTF-8.
bool IsTextForPeople(const Options& o)
{
    switch (o.command) {
    case Command::Table:
    case Command::Ics:
    case Command::IcsLunar:
    case Command::IcsMyDays:
    case Command::Pdf: return false;
    case Command::ImportNotice: return o.write;
    default: return true;
    }
}

int RunParsed(const Options& o, const Terminal& terminal, const Clock& clock, const RestDays& restDays,
              const ImportFiles& files, std::string& out, std::string& err);

}  // namespace

int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock,
           const RestDays& restDays, const ImportFiles& files, std::string& out, std::string& err)
{
    const ParseResult parsed = ParseOptions(args, clock.Today());
    if (!parsed.error.empty()) {
        err = InCharset(Format(_("dovrin-cal: {1} (see dovrin-cal --help)"), {parsed.error}) + "\n", terminal.charset);
        return 2;
    }
    const int status = RunParsed(parsed.options, terminal, clock, restDays, files, out, err);
    err = InCharset(err, terminal.charset);
    if (IsTextForPeople(parsed.options)) out = InCharset(out, terminal.charset);
    return status;
}

namespace {

int RunParsed(const Options& o, const Terminal& terminal, const Clock& clock, const RestDays& restDays,
              const ImportFiles& files, std::string& out, std::string& err)
{
    const CivilDate today = clock.Today();
    switch (o.command) {
    case Command::Help:
        out = Usage();
        break;
    case Command::Version:
        out = std::string("dovrin-cal ") + DOVRIN_VERSION + "\n";
        break;
    case Command::Months:
        out = RenderMonths(o.year, o.month, o.months, today, StyleFor(o, terminal), restDays,
                           ReadMyDays(MyDaysPath(files.restDaysPath), err));
        break;
    case Command::Table:
        out = TableHeader();
        AppendTableLines(out, o.from, o.to, restDays, ReadMyDays(MyDaysPath(files.restDaysPath), err));
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
        const std::vector<MyDay> myDays = ReadMyDays(MyDaysPath(files.restDaysPath), err);
        out = WithLineFeeds(DayInfoText(date, texts, static_cast<std::int16_t>(o.from.year),
                                        static_cast<std::int16_t>(o.from.month), static_cast<std::int16_t>(o.from.day),
                                        myDays));
        break;
    }
    case Command::Ics: {
        std::vector<CalendarEvent> events = NamedDayEvents(o.from, o.to);
        for (CalendarEvent& event : DaysOffEvents(o.from, o.to, restDays)) events.push_back(std::move(event));
        return WriteIcs(events, clock.UtcSeconds(), "Dovrin万年历 节日与节气", out, err);
    }
    case Command::Pdf:
        // A terminal would take the PDF's bytes for its own codes.
        if (o.pdf.file == "-" && terminal.stdoutIsTerminal) {
            err = Format(_("dovrin-cal: {1}"), {_("the PDF is not written to a terminal: redirect standard output to a "
                                                 "file or a pipe, or give a file")}) + "\n";
            return 1;
        }
        return WritePdf(o.pdf, restDays, ReadMyDays(MyDaysPath(files.restDaysPath), err), out, err);
    case Command::ImportNotice:
        return ImportNotice({o.notice, o.noticeYear, o.write, o.replace}, files, out, err);
    case Command::AddDay:
        return AddDay({o.dayTitle, o.dayDate, o.since, o.reminders}, MyDaysPath(files.restDaysPath), out, err);
    case Command::RemoveDay: return RemoveDay(o.dayTitle, MyDaysPath(files.restDaysPath), out, err);
    case Command::MyDays: return ListMyDays(MyDaysPath(files.restDaysPath), today, out, err);
    case Command::Remind: return RemindToday(MyDaysPath(files.restDaysPath), today, out, err);
    case Command::IcsMyDays:
        return WriteIcs(MyDayEvents(ReadMyDays(MyDaysPath(files.restDaysPath), err), o.firstYear, o.lastYear),
                        clock.UtcSeconds(), "Dovrin万年历 我的日子", out, err);
    case Command::IcsLunar:
        return WriteIcs(LunarAnniversaryEvents({o.lunarMonth, o.lunarDay, o.leap, o.summary, o.fromYear, o.toYear}),
                        clock.UtcSeconds(), o.summary, out, err);
    }
    return 0;
}

}  // namespace
}  // namespace dovrin::cli
