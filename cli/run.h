// dovrin-cal from arguments to output, without touching the process's streams.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "import_notice.h"
#include "resources/rest_days.h"

namespace dovrin::cli {

struct Terminal {
    bool stdoutIsTerminal = false;
    bool noColor = false;      // NO_COLOR is set and not empty
    std::size_t columns = 80;  // the width the month grids are laid out in
    bool dumb = false;         // TERM=dumb: a terminal that takes no escape codes
    // The locale's character set that the text for people (the help, the calendar, the
    // messages) is converted to; "" to leave it UTF-8. Files and data stay UTF-8 always.
    std::string charset = {};
};

// Returns the exit status: 0; 2 for bad arguments (then `out` stays empty and `err` holds
// one line); 1 when an output cannot be made (a file not written, a module that does not
// load: `err` says why). Messages come in the language of the text domain "dovrin-cal".
int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock,
           const RestDays& restDays, std::string& out, std::string& err);

// The same with the files that --import-notice and the user's days read and write.
int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock,
           const RestDays& restDays, const ImportFiles& files, std::string& out, std::string& err);

// The same with the built-in days off and working days only.
int RunCli(const std::vector<std::string>& args, const Terminal& terminal, const Clock& clock, std::string& out,
           std::string& err);

}  // namespace dovrin::cli
