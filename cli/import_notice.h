// dovrin-cal --import-notice: a yearly notice read into lines of days off, printed or written
// into the user's file.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace dovrin::cli {

// Where the import reads and writes.
struct ImportFiles {
    std::string restDaysPath;               // the user's rest-days.tsv; "" when there is no home
    std::istream* standardInput = nullptr;  // for the notice "-"
    bool* written = nullptr;                // set when the user's file was written
};

struct ImportRequest {
    std::string source;     // a file name, "-" for standard input
    std::int32_t year = 0;  // --year; 0: the title's
    bool write = false;     // into the user's file rather than to `out`
    bool replace = false;   // the year's earlier lines with the new ones
};

// Returns the exit status: 0; 1 when the user's file cannot be written (it is then as it
// was, or not there as before); 2 when the notice cannot be read or is not understood, or the year is in the file
// already without `replace` (nothing is written). `err` holds one line a problem.
int ImportNotice(const ImportRequest& request, const ImportFiles& files, std::string& out, std::string& err);

}  // namespace dovrin::cli
