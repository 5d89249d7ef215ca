// --import-notice FILE --write: the notice's lines written into the user's file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "cli/run.h"
#include "resources/rest_days.h"

namespace {

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// --import-notice FILE --write into a user's file in a fresh folder.
class Import : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A folder of each test's own: ctest runs them side by side.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = std::filesystem::path(testing::TempDir()) / ("dovrin-" + test) / "dovrin";
        std::filesystem::remove_all(folder.parent_path());
        std::filesystem::create_directories(folder);
        path = (folder / "rest-days.tsv").string();
    }
    void TearDown() override
    {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(folder.parent_path());
    }

    int Run(std::vector<std::string> args, std::string& out, std::string& err)
    {
        const dovrin::FixedClock clock({2026, 11, 5});
        return dovrin::cli::RunCli(args, {}, clock, dovrin::RestDays(), {path, nullptr}, out, err);
    }

    // The lines --write adds: those the notice gives on standard output without it.
    std::string NoticeLines(const std::string& notice)
    {
        std::string out, err;
        EXPECT_EQ(Run({"--import-notice", notice}, out, err), 0) << err;
        return out;
    }

    std::filesystem::path folder;
    std::string path;
};

TEST_F(Import, WritesBesideTheUsersLinesAndReplacesOnlyWhenAsked)
{
    const std::string notice = std::string(DOVRIN_NOTICE_DIR) + "/2026.txt";
    const std::string before = "# mine\r\n2027-01-01\t休\t元旦\r\n2026-10-08\t休\t国庆节\n2027-02-30\t休\t春节";
    std::ofstream(path, std::ios::binary) << before;
    std::string out, err;
    EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 2);
    EXPECT_EQ(err, "dovrin-cal: " + path + " holds 1 lines of 2026 already; --replace replaces them\n");
    EXPECT_EQ(Read(path), before);

    const std::string lines = NoticeLines(notice);
    out.clear();
    EXPECT_EQ(Run({"--import-notice", notice, "--write", "--replace"}, out, err), 0);
    EXPECT_EQ(out, "2026: 33 days off, 6 working days, written to " + path + " in place of its 1 earlier lines\n");
    EXPECT_EQ(Read(path), "# mine\r\n2027-01-01\t休\t元旦\r\n" + lines + "2027-02-30\t休\t春节");

    // A new year goes at the end, after a line feed the last line lacked.
    std::filesystem::remove(path);
    std::ofstream(path, std::ios::binary) << "# mine";
    EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 0);
    EXPECT_EQ(Read(path), "# mine\n" + lines);
}

TEST_F(Import, AFolderThatCannotBeWrittenLeavesTheOldFile)
{
    std::ofstream(path, std::ios::binary) << "# mine\n";
    std::string out, err;
    const std::string notice = std::string(DOVRIN_NOTICE_DIR) + "/2026.txt";
    if (geteuid() != 0) {  // root writes into a read-only folder
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 1);
        EXPECT_NE(err.find("cannot write " + path + ": Permission denied; the file is left as it was"),
                  std::string::npos) << err;
        EXPECT_EQ(Read(path), "# mine\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);  // no temporary file left
    }
    // A folder that cannot be made: a file stands in its place.
    path = (folder / "rest-days.tsv" / "dovrin" / "rest-days.tsv").string();
    EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 1);
    EXPECT_NE(err.find("cannot create"), std::string::npos) << err;
}

// Links as dotfile managers keep them, and a byte-order mark as Notepad writes it.
TEST_F(Import, WritesThroughLinksAndKeepsTheByteOrderMark)
{
    const std::string notice = std::string(DOVRIN_NOTICE_DIR) + "/2026.txt";
    const std::string target = (folder / "kept.tsv").string();
    std::filesystem::create_symlink(target, path);  // dangling
    std::string out, err;
    EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 0) << err;
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    const std::string lines = NoticeLines(notice);
    EXPECT_EQ(Read(target), lines);

    const std::string bom = "\xEF\xBB\xBF";
    std::ofstream(target, std::ios::binary) << bom << "2026-01-01\t休\t元旦\n# mine\n";
    EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 2);
    EXPECT_NE(err.find(" holds 1 lines of 2026 already"), std::string::npos) << err;
    EXPECT_EQ(Run({"--import-notice", notice, "--write", "--replace"}, out, err), 0);
    EXPECT_EQ(Read(target), bom + lines + "# mine\n");
    std::vector<std::string> skipped;
    dovrin::LoadRestDays(path, skipped);
    EXPECT_EQ(skipped, std::vector<std::string>{});

    // A loop is refused and left as it is.
    std::filesystem::remove(path);
    std::filesystem::create_symlink(path, path);
    err.clear();
    EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 1);
    EXPECT_NE(err.find(path + ": cannot open the file (Too many levels of symbolic links); nothing was written"),
              std::string::npos) << err;
    EXPECT_TRUE(std::filesystem::is_symlink(path));

    // No file is there to be left as it was when its folder cannot be made.
    path = (folder / "kept.tsv" / "rest-days.tsv").string();
    err.clear();
    EXPECT_EQ(Run({"--import-notice", notice, "--write"}, out, err), 1);
    EXPECT_EQ(err, "dovrin-cal: cannot create " + target + ": Not a directory; nothing was written\n");
}

TEST_F(Import, ANoticeThatCannotBeReadIsReportedWithTheReason)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "'': cannot open the file (No such file or directory)"},
        {folder.string() + "/none.txt", folder.string() + "/none.txt: cannot open the file (No such file or directory)"},
        {folder.string(), folder.string() + ": skipped, as it is not a regular file (a directory)"},
        {"/dev/zero", "/dev/zero: skipped, as it is not a regular file (a device)"},
    };
    for (const auto& [source, message] : cases) {
        std::string out, err;
        EXPECT_EQ(Run({"--import-notice", source}, out, err), 2) << source;
        EXPECT_EQ(err, "dovrin-cal: " + message + "\n");
    }
}

}  // namespace
