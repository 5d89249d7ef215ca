// dovrin-cal's argument handling in-process: any argument list (the pieces of the input
// between NUL bytes), either terminal, a clock anywhere from year 1800 to 2199.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "calendar/date_serial.h"
#include "cli/options.h"
#include "cli/run.h"
#include "resources/rest_days.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    dovrin::cli::Terminal terminal;
    terminal.stdoutIsTerminal = input.ConsumeBool();
    terminal.noColor = input.ConsumeBool();
    terminal.columns = input.ConsumeIntegralInRange<std::size_t>(1, 400);
    static const std::int64_t first = dovrin::CivilDate{1800, 1, 1}.Days();
    static const std::int64_t last = dovrin::CivilDate{2199, 12, 31}.Days();
    const dovrin::FixedClock clock(dovrin::CivilDate::FromDays(input.ConsumeIntegralInRange(first, last)));

    std::vector<std::string> args;
    std::string current;
    for (const char c : input.ConsumeRemainingBytesAsString()) {
        if (c == '\0') {
            args.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty() || !args.empty()) args.push_back(current);

    // --pdf writes files and loads the PDF module: its arguments are only parsed. Any option
    // from "--p" on may be an abbreviation of --pdf or --paper.
    for (const std::string& arg : args) {
        if (arg.rfind("--p", 0) == 0) {
            (void)dovrin::cli::ParseOptions(args, clock.Today());
            return 0;
        }
    }

    std::string out;
    std::string err;
    static const dovrin::RestDays restDays;  // built once: the data does not change
    const int status = dovrin::cli::RunCli(args, terminal, clock, restDays, out, err);
    // Bad arguments are told on the error stream and print nothing else.
    if (status == 2 && (!out.empty() || err.empty())) std::abort();
    if (status != 0 && status != 2) std::abort();
    return 0;
}
