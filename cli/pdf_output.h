// dovrin-cal --pdf: the printed month or year as a PDF file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "calendar/my_day_rules.h"
#include "page/pages.h"
#include "resources/rest_days.h"

namespace dovrin::cli {

struct PdfRequest {
    std::string file;        // "-" for standard output
    std::int32_t year = 0;
    std::int32_t month = 0;  // 0: the whole year
    Paper paper = Paper::A4;
};

// The value of --paper. The errors are in the user's language; empty when good.
std::string ReadPaper(const std::string& text, Paper& paper);

// The arguments of --pdf: [YEAR [MONTH]] after the file, this year by default.
std::string ParsePdfArguments(const std::vector<std::string>& positional, CivilDate today, PdfRequest& request);

// Writes the pages, with the user's own days `myDays`, to the file, or into `out` for "-".
// Returns the exit status: 0, or 1 with one line added to `err` when the PDF output cannot be
// loaded or the file written.
int WritePdf(const PdfRequest& request, const RestDays& restDays, const std::vector<MyDay>& myDays, std::string& out,
             std::string& err);

}  // namespace dovrin::cli
