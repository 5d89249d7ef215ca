// dovrin-cal's command line: what to show, parsed and checked before anything prints.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "pdf_output.h"

namespace dovrin::cli {

enum class Command { Months, Table, Lunar, Info, Ics, IcsLunar, ImportNotice, Pdf, AddDay, RemoveDay, MyDays, IcsMyDays,
                     Remind, Help, Version };
enum class ColorMode { Auto, Always, Never };

struct Options {
    Command command = Command::Months;
    ColorMode color = ColorMode::Auto;
    std::int32_t year = 0;    // Months: the first month shown
    std::int32_t month = 0;
    std::int32_t months = 1;  // Months: how many
    bool mondayFirst = false;
    CivilDate from;           // Table and Ics, and the day of Info
    CivilDate to;             // Table and Ics
    std::int32_t lunarYear = 0, lunarMonth = 0, lunarDay = 0;  // Lunar; IcsLunar without the year
    bool leap = false;
    std::string summary;      // IcsLunar
    std::int32_t fromYear = 0, toYear = 0;  // IcsLunar: lunar years
    std::string notice;       // ImportNotice: the file, "-" for standard input
    std::int32_t noticeYear = 0;  // ImportNotice: --year YYYY; 0 for the title's
    bool write = false, replace = false;  // ImportNotice
    PdfRequest pdf;           // Pdf
    std::string dayTitle, dayDate;  // AddDay (both), RemoveDay (the title)
    std::int32_t since = 0;         // AddDay: --since YEAR
    std::optional<std::string> reminders;  // AddDay: --remind N,…
    std::int32_t firstYear = 0, lastYear = 0;  // IcsMyDays: Gregorian years
};

struct ParseResult {
    Options options;
    std::string error;  // empty when the arguments are good; in the user's language
};

// today fills in the defaults (the current month, the day of --info).
ParseResult ParseOptions(const std::vector<std::string>& args, CivilDate today);

std::string Usage();

}  // namespace dovrin::cli
