// The program's own modules (the PDF output, the iCalendar writer), loaded only by the commands
// that need them, so that the others start without the libraries behind them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace dovrin::cli {

// The addresses of `symbols`, in their order, in the module `file` ("dovrin-pdf.so") beside
// the program as installed (or in the build tree), else at the install path. Empty when no
// place has the module with all of them; `why` then names each place tried and what was
// wrong with it. A module stays loaded to the end of the process: the libraries it brings
// keep state in their own globals that may not be unmapped while the process runs.
std::vector<void*> LoadModule(std::string_view file, std::initializer_list<const char*> symbols, std::string& why);

}  // namespace dovrin::cli
