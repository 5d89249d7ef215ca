// dovrin-cal: the calendar in a terminal.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "cli/run.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const char* noColor = std::getenv("NO_COLOR");
    const dovrin::cli::Terminal terminal{isatty(STDOUT_FILENO) == 1, noColor && *noColor};
    std::string out, err;
    const int status = dovrin::cli::RunCli(args, terminal, dovrin::TheSystemClock(), out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? status : 1;
}
