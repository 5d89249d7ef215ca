// dovrin-cal's month grids compared byte for byte with the files in golden/.
// DOVRIN_UPDATE_GOLDEN=1 rewrites the files from the current output instead; review the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "calendar/utf8.h"
#include "cli/run.h"

namespace {

struct Golden {
    const char* file;
    std::vector<std::string> args;
    dovrin::cli::Terminal terminal;
};

// The text without ANSI escape sequences (ESC [ ... letter).
std::string Visible(const std::string& text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\x1b') {
            out += text[at];
            continue;
        }
        while (at < text.size() && !(text[at] >= 'A' && text[at] <= 'z' && text[at] != '[')) ++at;
    }
    return out;
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(CliGolden, OutputsMatchTheFiles)
{
    const dovrin::FixedClock clock({2008, 2, 8});
    const bool update = std::getenv("DOVRIN_UPDATE_GOLDEN") != nullptr;
    for (const Golden& g : std::vector<Golden>{
             {"month-2011-05.txt", {"2011", "5"}, {false, false, 80}},
             {"month-2026-10.txt", {"2026", "10"}, {false, false, 80}},
             {"month-2100-12.txt", {"2100", "12"}, {false, false, 80}},
             {"three-2008-02-120.txt", {"-3", "2", "2008"}, {false, false, 120}},
             {"year-2008-80.txt", {"-y", "2008"}, {false, false, 80}},
             {"year-2008-160.txt", {"-y", "2008"}, {false, false, 160}},
             {"monday-2008-03.txt", {"-m", "3", "2008"}, {false, false, 80}},
             {"today-colour.txt", {"2008", "2"}, {true, false, 80}},
             {"today-no-colour.txt", {"2008", "2"}, {true, true, 80}},
         }) {
        std::string out, err;
        ASSERT_EQ(dovrin::cli::RunCli(g.args, g.terminal, clock, out, err), 0) << err;
        const std::string path = std::string(DOVRIN_GOLDEN_DIR) + "/" + g.file;
        if (update) {
            std::ofstream(path, std::ios::binary) << out;
            continue;
        }
        EXPECT_EQ(out, Read(path)) << g.file;
        std::istringstream lines(Visible(out));
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(dovrin::DisplayWidth(line), g.terminal.columns) << g.file << ": " << line;
    }
}
