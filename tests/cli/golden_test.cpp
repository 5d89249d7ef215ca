// dovrin-cal's month grids compared byte for byte with the files in golden/.
// DOVRIN_UPDATE_GOLDEN=1 rewrites the files from the current output instead; review the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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

TEST(CliGolden, TheUsersDaysAreMarkedTitledAndListed)
{
    const dovrin::FixedClock clock({2008, 2, 8});
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "golden-my-days";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    dovrin::cli::ImportFiles files;
    files.restDaysPath = (folder / "rest-days.tsv").string();
    const std::vector<std::string> args{"2027", "9"};
    const dovrin::RestDays restDays;

    // Without the file: as without a home, and not a word about it.
    std::string plain, out, err;
    ASSERT_EQ(dovrin::cli::RunCli(args, {}, clock, restDays, plain, err), 0);
    ASSERT_EQ(dovrin::cli::RunCli(args, {}, clock, restDays, files, out, err), 0);
    EXPECT_EQ(out, plain);
    EXPECT_EQ(err, "");

    // 妈妈生日 on 中秋节, which keeps the line; 结婚纪念日 over 全国爱牙日, which gives it up.
    std::ofstream(folder / "my-days.tsv") << "妈妈生日\t农历八月十五\t1961\n结婚纪念日\t09-20\t2005\n";
    out.clear();
    ASSERT_EQ(dovrin::cli::RunCli(args, {}, clock, restDays, files, out, err), 0) << err;
    const std::string path = std::string(DOVRIN_GOLDEN_DIR) + "/my-days-2027-09.txt";
    if (std::getenv("DOVRIN_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << out;
    EXPECT_EQ(out, Read(path));

    // In colour the mark has a colour of its own.
    out.clear();
    ASSERT_EQ(dovrin::cli::RunCli({"--color=always", "2027", "9"}, {}, clock, restDays, files, out, err), 0);
    EXPECT_NE(out.find("20\x1b[36m◉\x1b[0m"), std::string::npos) << out;
    std::filesystem::remove_all(folder);
}
