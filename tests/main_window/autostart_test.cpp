// The login reminder's autostart entry: where it goes, its Exec line for any path of the
// program, as desktop-file-validate reads it, and switching it on and off.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "resources/autostart.h"

namespace {

TEST(Autostart, EntryUnderTheConfigurationFolder)
{
    EXPECT_EQ(dovrin::AutostartEntryPath("/x/config", "/home/u"), "/x/config/autostart/io.github.dovrin.Remind.desktop");
    // A relative XDG_CONFIG_HOME is not used.
    EXPECT_EQ(dovrin::AutostartEntryPath("config", "/home/u"), "/home/u/.config/autostart/io.github.dovrin.Remind.desktop");
    EXPECT_EQ(dovrin::ReminderAskedPath(nullptr, "/home/u"), "/home/u/.config/dovrin/login-reminder-asked");
    EXPECT_EQ(dovrin::AutostartEntryPath(nullptr, ""), "");
}

TEST(Autostart, ExecArgumentQuotedAsTheFormatWants)
{
    EXPECT_EQ(dovrin::DesktopExecArgument("/usr/bin/dovrin-cal"), "/usr/bin/dovrin-cal");
    EXPECT_EQ(dovrin::DesktopExecArgument("/opt/my apps/dovrin-cal"), "\"/opt/my apps/dovrin-cal\"");
    // Inside the quotes $ and \ are escaped, and the string escape doubles the backslashes.
    EXPECT_EQ(dovrin::DesktopExecArgument("/a$b\\c"), "\"/a\\\\$b\\\\\\\\c\"");
    EXPECT_EQ(dovrin::DesktopExecArgument("/100%/x"), "/100%%/x");
    EXPECT_NE(dovrin::RemindEntryText("/a\nb").find("Exec=dovrin-cal --remind\n"), std::string::npos);
}

class AutostartFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = testing::TempDir() + "dovrin-autostart-XXXXXX";
        folder = mkdtemp(pattern.data());
        entry = folder + "/autostart/io.github.dovrin.Remind.desktop";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string folder;
    std::string entry;
};

TEST_F(AutostartFolder, EntriesPassDesktopFileValidate)
{
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) GTEST_SKIP() << "no desktop-file-validate";
    for (const std::string program : {"dovrin-cal", "/usr/bin/dovrin-cal", "/home/王/my apps/$HOME\\\"`%/dovrin-cal"}) {
        std::ofstream(entry.substr(0, entry.rfind('/')) + ".desktop") << dovrin::RemindEntryText(program);
        const std::string command = "desktop-file-validate '" + folder + "/autostart.desktop' >'" + folder + "/out' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << program;
        EXPECT_EQ(std::filesystem::file_size(folder + "/out"), 0U) << program;
    }
}

TEST_F(AutostartFolder, SwitchedOnAndOff)
{
    EXPECT_FALSE(dovrin::LoginReminderOn(entry));
    EXPECT_EQ(dovrin::TurnLoginReminderOn(entry, "/usr/bin/dovrin-cal"), "");
    EXPECT_TRUE(dovrin::LoginReminderOn(entry));
    EXPECT_EQ(dovrin::TurnLoginReminderOff(entry), "");
    EXPECT_FALSE(dovrin::LoginReminderOn(entry));
    EXPECT_EQ(dovrin::TurnLoginReminderOff(entry), "") << "already off";
    // A folder in the entry's place is not an entry, and cannot be taken away as one.
    std::filesystem::create_directories(entry + "/x");
    EXPECT_FALSE(dovrin::LoginReminderOn(entry));
    EXPECT_NE(dovrin::TurnLoginReminderOff(entry), "");
}

}  // namespace
