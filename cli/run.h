// dovrin-cal from arguments to output, without touching the process's streams.
#pragma once

#include <string>
#include <vector>

#include "calendar/clock.h"

namespace dovrin::cli {

struct Terminal {
    bool stdoutIsTerminal = false;
    bool noColor = false;  // NO_COLOR is set and not empty
};

// Returns the exit status: 0, or 2 for bad arguments (then `out` stays empty).
int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock, std::string& out,
           std::string& err);

}  // namespace dovrin::cli
