// dovrin-cal's commands on the user's own days: their options, and the export with alarms
// read back with libical and its restriction checks.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "cli/options.h"
#include "cli/run.h"

namespace {

using dovrin::cli::Command;
using dovrin::cli::ParseOptions;

constexpr dovrin::CivilDate Today{2026, 12, 8};

TEST(CliMyDays, RemindIsTheCommandAloneAndTheListAfterAddDay)
{
    auto o = ParseOptions({"--remind"}, Today);
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.options.command, Command::Remind);
    // The list is taken from the next argument or after '='; the last one counts.
    o = ParseOptions({"--add-day", "妈妈生日", "--remind", "3,1", "农历八月十五", "--remind=7"}, Today);
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.options.command, Command::AddDay);
    EXPECT_EQ(o.options.dayDate, "农历八月十五");
    EXPECT_EQ(o.options.reminders, "7");
    o = ParseOptions({"--add-day", "国庆", "10-01", "--remind", "无", "--since", "1949"}, Today);
    EXPECT_EQ(o.options.reminders, "无");
    EXPECT_EQ(o.options.since, 1949);
    // A date after --remind is no list of days: it stays the date, and --remind the command.
    EXPECT_NE(ParseOptions({"--add-day", "x", "--remind", "10-01"}, Today).error, "");
}

TEST(CliMyDays, RefusesWhatCannotBeMeant)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--my-days", "--remind"}, {"--my-days", "--my-days"}, {"--since", "1961"},
          {"--remind", "3", "--my-days"}, {"--add-day", "x"}, {"--add-day", "x", "10-01", "extra"},
          {"--remove-day", "x", "y"}, {"--my-days", "2027"}, {"--my-days", "--table"}, {"--my-days", "--years", "1", "2"},
          {"--ics-my-days", "--years", "2027", "2026"}, {"--ics-my-days", "--years", "1800", "2027"},
          {"--add-day", "x", "10-01", "--since", "0"}, {"--add-day", "x", "10-01", "--remind="}})
        EXPECT_NE(ParseOptions(args, Today).error, "") << args[0] << " " << args[1];
    const auto o = ParseOptions({"--ics-my-days"}, Today);
    EXPECT_EQ(o.options.firstYear, 2026);
    EXPECT_EQ(o.options.lastYear, 2100);
}

TEST(CliMyDays, ExportWithAlarmsPassesLibicalRestrictions)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "dovrin-my-days-test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "my-days.tsv") << "妈妈生日\t农历八月十五\t1961\n祖父忌日\t农历腊月三十\t2016\t\t0,7\n";
    const dovrin::FixedClock clock(Today);
    std::string out, err;
    dovrin::cli::ImportFiles files;
    files.restDaysPath = (folder / "rest-days.tsv").string();
    ASSERT_EQ(dovrin::cli::RunCli({"--ics-my-days", "--years", "2027", "2028"}, {}, clock, {}, files, out, err), 0);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(err, "");
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(icalparser_parse_string(out.c_str()),
                                                                      icalcomponent_free);
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalrestriction_check(calendar.get()), 1);
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
    int events = 0, alarms = 0;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        ++events;
        alarms += icalcomponent_count_components(e, ICAL_VALARM_COMPONENT);
    }
    EXPECT_EQ(events, 4);
    EXPECT_EQ(alarms, 8);  // 3 and 1 days before a birthday, as set for the other
    EXPECT_NE(out.find("TRIGGER:-P7D"), std::string::npos);
}

}  // namespace
