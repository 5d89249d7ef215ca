// The official days off and working days: the built-in arrangement and a user's file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "calendar/utf8.h"
#include "resources/rest_day_json.h"
#include "resources/rest_days.h"
#include "resources/user_file.h"

namespace {

using dovrin::CivilDate;
using dovrin::DayOff;

std::vector<CivilDate> Days(DayOff kind, int year, const dovrin::RestDays& restDays)
{
    std::vector<CivilDate> found;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= dovrin::DaysInMonth(year, month); ++day)
            if (restDays.Lookup({year, month, day}).kind == kind) found.push_back({year, month, day});
    return found;
}

std::vector<CivilDate> Range(CivilDate first, int count)
{
    std::vector<CivilDate> days;
    for (int i = 0; i < count; ++i) days.push_back({first.year, first.month, first.day + i});
    return days;
}

TEST(RestDays, TheBuiltIn2026ArrangementIsTheNotice)
{
    const dovrin::RestDays restDays;
    std::vector<CivilDate> rest;
    for (const auto& [first, count] : std::vector<std::pair<CivilDate, int>>{
             {{2026, 1, 1}, 3}, {{2026, 2, 15}, 9}, {{2026, 4, 4}, 3}, {{2026, 5, 1}, 5},
             {{2026, 6, 19}, 3}, {{2026, 9, 25}, 3}, {{2026, 10, 1}, 7}})
        for (const CivilDate& day : Range(first, count)) rest.push_back(day);
    EXPECT_EQ(Days(DayOff::Rest, 2026, restDays), rest);
    EXPECT_EQ(Days(DayOff::Work, 2026, restDays),
              (std::vector<CivilDate>{{2026, 1, 4}, {2026, 2, 14}, {2026, 2, 28}, {2026, 5, 9}, {2026, 9, 20},
                                      {2026, 10, 10}}));
    EXPECT_EQ(restDays.Lookup({2026, 10, 10}).holiday, "国庆节");
    EXPECT_EQ(restDays.LastYear(), 2026);
    // The first make-up days belong to the 2002 arrangement.
    EXPECT_EQ(restDays.Lookup({2001, 12, 29}).kind, DayOff::Work);
}

TEST(RestDays, PeriodsJoinTheDaysOffOfOneHoliday)
{
    const auto periods = dovrin::RestDays().Periods({2026, 10, 1}, {2026, 10, 31});
    ASSERT_EQ(periods.size(), 2u);
    EXPECT_EQ(periods[0].first, (CivilDate{2026, 10, 1}));
    EXPECT_EQ(periods[0].last, (CivilDate{2026, 10, 7}));
    EXPECT_EQ(periods[1].kind, DayOff::Work);
    EXPECT_EQ(periods[1].first, (CivilDate{2026, 10, 10}));
    // A period that runs into the range comes whole.
    EXPECT_EQ(dovrin::RestDays().Periods({2026, 2, 20}, {2026, 2, 20}).front().first, (CivilDate{2026, 2, 15}));
}

TEST(RestDays, AJointBreakIsOnePeriodNamedByItsHolidaysInOrder)
{
    const auto built = dovrin::RestDays().Periods({2017, 10, 1}, {2017, 10, 8});
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0].holiday, "中秋节、国庆节");
    EXPECT_EQ(built[0].last, (CivilDate{2017, 10, 8}));

    dovrin::RestDays restDays;
    restDays.Overlay({{{2027, 9, 30}, DayOff::Rest, "中秋节"},
                      {{2027, 10, 1}, DayOff::Rest, "国庆节、中秋节"},
                      {{2027, 10, 2}, DayOff::Rest, "国庆节"},
                      {{2027, 10, 9}, DayOff::Work, "国庆节"}});
    const auto periods = restDays.Periods({2027, 10, 1}, {2027, 10, 31});
    ASSERT_EQ(periods.size(), 2u);
    EXPECT_EQ(periods[0].holiday, "中秋节、国庆节");
    EXPECT_EQ(periods[0].first, (CivilDate{2027, 9, 30}));
    EXPECT_EQ(periods[1].holiday, "国庆节");
}

TEST(RestDays, AUsersFileAddsAYearOverridesADayAndReportsBadLines)
{
    const std::string path = testing::TempDir() + "dovrin-rest-days.tsv";
    std::ofstream(path, std::ios::binary) << "# 2027\n"
                                             "2027-01-01\t休\t元旦\n"
                                             "2026-10-10\t休\t国庆节\n"
                                             "2027-02-30\t休\t春节\n"
                                             "2027-01-06\t班\t元旦\n"
                                             "2027-01-09\t上\t元旦\n"
                                             "2027-01-10\t\xB0\xE0\t元旦\n"
                                             "\n"
                                             "2027-02-06\t班\t春节\r\n"
                                             "2027-02-20\t班\t春节\r";  // cut off after its CR
    std::vector<std::string> errors;
    const dovrin::RestDays restDays = dovrin::LoadRestDays(path, errors);
    EXPECT_EQ(restDays.Lookup({2027, 1, 1}).kind, DayOff::Rest);
    EXPECT_EQ(restDays.Lookup({2026, 10, 10}).kind, DayOff::Rest);  // the user's line wins
    EXPECT_EQ(restDays.Lookup({2027, 2, 6}).kind, DayOff::Work);    // CR LF is fine
    EXPECT_EQ(restDays.Lookup({2027, 2, 20}).kind, DayOff::Work);   // and so is a last CR
    EXPECT_EQ(restDays.LastYear(), 2027);
    EXPECT_EQ(errors, (std::vector<std::string>{path + ":4: '2027-02-30' is not a date of the form YYYY-MM-DD",
                                                path + ":5: 班 on 2027-01-06, which is no Saturday or Sunday",
                                                path + ":6: '上' is neither 休 nor 班",
                                                path + ":7: the line is not UTF-8 text"}));
    std::remove(path.c_str());

    errors.clear();
    EXPECT_EQ(dovrin::LoadRestDays(path, errors).LastYear(), 2026);  // a missing file is silence
    EXPECT_TRUE(errors.empty());
}

TEST(RestDays, HolidayCnJsonFilesBesideTheUsersFileAreReadUnderIt)
{
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "dovrin-json";
    std::filesystem::create_directories(folder);
    const std::string tsv = (folder / "rest-days.tsv").string(), good = (folder / "2027.json").string(),
                      bad = (folder / "2028.json").string();
    std::ofstream(good, std::ios::binary) << "{\n"
                                             "  \"year\": 2027,\n"
                                             "  \"days\": [\n"
                                             "    {\"name\": \"元旦\", \"date\": \"2027-01-01\", \"isOffDay\": true},\n"
                                             "    {\"name\": \"春节\", \"date\": \"2027-02-07\", \"isOffDay\": false},\n"
                                             "    {\n"
                                             "      \"name\": \"春节\",\n"
                                             "      \"date\": \"2027-02-10\",\n"
                                             "      \"isOffDay\": false\n"
                                             "    },\n"
                                             "    {\"name\": \"春节\", \"date\": \"2027-02-08\", \"isOffDay\": \"yes\"}\n"
                                             "  ]\n"
                                             "}\n";
    std::ofstream(bad, std::ios::binary) << "{\"year\": 2028,\n \"days\": [\n  {\"name\": \"元旦\",, }\n]}\n";
    std::ofstream(tsv, std::ios::binary) << "2027-02-07\t休\t春节\n";
    // A pipe by a year's name is reported once, without blocking and without a parse error.
    const std::string pipe = (folder / "2029.json").string();
    mkfifo(pipe.c_str(), 0600);
    // Well-formed, but a number no double holds: refused, not thrown at the program.
    const std::string huge = (folder / "2030.json").string();
    std::ofstream(huge, std::ios::binary) << "{\"year\": 2030,\n \"days\": [1e999]}\n";
    std::vector<std::string> errors;
    const dovrin::RestDays restDays = dovrin::LoadRestDays(tsv, errors);
    EXPECT_EQ(restDays.Lookup({2027, 1, 1}).holiday, "元旦");
    EXPECT_EQ(restDays.Lookup({2027, 2, 7}).kind, DayOff::Rest);  // the TSV wins
    ASSERT_EQ(errors.size(), 5u);
    EXPECT_EQ(errors[3], pipe + ": skipped, as it is not a regular file (a named pipe)");
    EXPECT_EQ(errors[4].substr(0, huge.size() + 14), huge + ":2: not JSON: ") << errors[4];
    EXPECT_EQ(errors[0], good + ":6: 班 on 2027-02-10, which is no Saturday or Sunday");
    EXPECT_EQ(errors[1], good + ":11: a day needs \"name\" and \"date\" as text and \"isOffDay\" as true or false");
    EXPECT_EQ(errors[2].substr(0, bad.size() + 14), bad + ":3: not JSON: ") << errors[2];
    std::filesystem::remove_all(folder);
}

// The fields the reader uses are checked; the others may hold anything.
TEST(RestDays, AJsonFileKeepsToTheYearOfItsName)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> errors;
        std::size_t lines;
    };
    const std::string day = "{\"name\": \"元旦\", \"date\": \"2028-01-01\", \"isOffDay\": true}";
    std::vector<Case> cases{
        {"year of another file", "{\"year\": 2029, \"days\": [" + day + "]}",
         {"2028.json:1: \"year\" is 2029, not the year 2028 of the file's name"}, 0},
        {"fractional year", "{\"year\": 2028.5, \"days\": [" + day + "]}",
         {"2028.json:1: \"year\" is 2028.5, not the year 2028 of the file's name"}, 0},
        {"huge year", "{\"year\": 1e999999, \"days\": [" + day + "]}",
         {"2028.json:1: not JSON: number overflow parsing '1e999999'"}, 0},
        {"huge number under unknown keys",
         "{\"x\": 1e999999, \"year\": 2028,\n \"days\": [{\"y\": [-1e999999], " + day.substr(1) + "],\n \"z\": 1e999}",
         {}, 1},
        {"dates of other years",
         "{\"days\": [" + day + ",\n {\"name\": \"元旦\", \"date\": \"2027-12-31\", \"isOffDay\": true},\n"
         " {\"name\": \"元旦\", \"date\": \"2027-11-30\", \"isOffDay\": true},\n"
         " {\"name\": \"元旦\", \"date\": \"2029-01-01\", \"isOffDay\": true}]}",
         {"2028.json:3: 2027-11-30 is no day of the arrangement of 2028",
          "2028.json:4: 2029-01-01 is no day of the arrangement of 2028"}, 2},
        // Which of two values the reader would take is a guess: the entry or the file is refused.
        {"a day's key twice",
         "{\"days\": [" + day + ",\n {\"name\": \"元旦\", \"date\": \"2028-01-02\",\n \"date\": \"2028-01-03\", "
         "\"isOffDay\": true}, {\"x\": 1, \"x\": 2, " + dovrin::ReplaceAll(day.substr(1), "01-01", "01-04") + "]}",
         {"2028.json:3: \"date\" is given twice"}, 2},
        {"the days twice", "{\"days\": [" + day + "],\n\"days\": []}", {"2028.json:2: \"days\" is given twice"}, 0},
    };
    std::string huge;
    for (int i = 0; i < 40; ++i) huge += "1e999, ";
    cases.push_back({"a file full of huge numbers", "{\"x\": [" + huge + "1], \"days\": [" + day + "]}",
                     {"2028.json:1: more numbers too large for a double than a file of days has"}, 0});
    for (const Case& c : cases) {
        const dovrin::RestDayLines read = dovrin::ParseRestDayJson(c.text, "2028.json");
        EXPECT_EQ(read.errors, c.errors) << c.name;
        EXPECT_EQ(read.lines.size(), c.lines) << c.name;
    }
}

TEST(RestDays, TheUsersFileLivesUnderXdgDataHome)
{
    EXPECT_EQ(dovrin::UserRestDaysPath("/x", "/home/u"), "/x/dovrin/rest-days.tsv");
    EXPECT_EQ(dovrin::UserRestDaysPath("", "/home/u"), "/home/u/.local/share/dovrin/rest-days.tsv");
    // A relative value is invalid by the XDG rules, not a folder under the current one.
    EXPECT_EQ(dovrin::UserRestDaysPath("rel", "/home/u"), "/home/u/.local/share/dovrin/rest-days.tsv");
    EXPECT_EQ(dovrin::UserRestDaysPath(nullptr, nullptr), "");
}

// Whatever lies at the path, the program starts at once with the built-in days, says once
// what it could not use, and never passes a control character on.
TEST(RestDays, ABadUsersFileIsReportedAndTheBuiltInDaysStillApply)
{
    using Make = std::function<void(const std::string&)>;
    const auto write = [](std::string text) {
        return [text](const std::string& path) { std::ofstream(path, std::ios::binary) << text; };
    };
    // Comment lines up to 10 bytes before the 1 MiB limit, then a line across it.
    std::string big;
    std::size_t wholeLines = 0;
    for (; big.size() < dovrin::LargestUserFile - 10; ++wholeLines) {
        const std::size_t length = std::min<std::size_t>(100, dovrin::LargestUserFile - 10 - big.size());
        big.append(1, '#').append(length - 2, 'x').append(1, '\n');
    }
    big += "2027-05-01\t休\t劳动节\n2027-05-02\t休\t劳动节\n";
    std::string manyBad;
    for (int i = 0; i < 25; ++i) manyBad += "x\n";

    struct Case {
        const char* name;
        Make make;
        std::vector<std::string> messages;  // "@" stands for the path
        CivilDate day;
        DayOff kind;
        std::string holiday;
    };
    const std::string fields = "expected three fields separated by tabs: date, 休 or 班, holiday";
    const std::vector<Case> cases{
        {"fifo without a writer", [](const std::string& p) { mkfifo(p.c_str(), 0600); },
         {"@: skipped, as it is not a regular file (a named pipe)"}, {2026, 10, 1}, DayOff::Rest, "国庆节"},
        {"directory", [](const std::string& p) { std::filesystem::create_directory(p); },
         {"@: skipped, as it is not a regular file (a directory)"}, {2026, 10, 1}, DayOff::Rest, "国庆节"},
        {"symlink loop", [](const std::string& p) { std::filesystem::create_symlink(p, p); },
         {"@: cannot open the file (Too many levels of symbolic links)"}, {2026, 10, 1}, DayOff::Rest, "国庆节"},
        {"unreadable",
         [&](const std::string& p) {
             write("2027-01-01\t休\t元旦\n")(p);
             chmod(p.c_str(), 0);
         },
         {"@: cannot open the file (Permission denied)"}, {2027, 1, 1}, DayOff::None, ""},
        {"byte-order mark", write("\xEF\xBB\xBF" "2027-01-01\t休\t元旦\n"), {}, {2027, 1, 1}, DayOff::Rest, "元旦"},
        {"NUL in a name", write(std::string("2027-01-01\t休\t元\0旦\n", 23)),
         {"@:1: the line holds a control character: 2027-01-01\\x09休\\x09元\\x00旦"}, {2027, 1, 1},
         DayOff::None, ""},
        {"escape code", write("2027-01-01\t休\t\x1b[2J元旦\n"),
         {"@:1: the line holds a control character: 2027-01-01\\x09休\\x09\\x1B[2J元旦"}, {2027, 1, 1},
         DayOff::None, ""},
        {"line across 1 MiB", write(big),
         {"@: only the first " + std::to_string(wholeLines) +
          " lines were read, up to the limit of 1048576 bytes; the rest was ignored"},
         {2027, 5, 1}, DayOff::None, ""},
        {"outside the span",
         write("9999-12-31\t休\tx\n0000-01-01\t休\tx\n2101-06-01\t休\tx\n2049-06-01\t休\t端午节\n"),
         {"@:1: 9999-12-31 lies outside the calendar's span 1900-01-31..2101-01-28",
          "@:2: 0000-01-01 lies outside the calendar's span 1900-01-31..2101-01-28",
          "@:3: 2101-06-01 lies outside the calendar's span 1900-01-31..2101-01-28"},
         {2049, 6, 1}, DayOff::Rest, "端午节"},
        {"25 bad lines", write(manyBad), {}, {2026, 10, 1}, DayOff::Rest, "国庆节"},
        {"dates not quite ISO",
         write("2027-1-01\t休\tx\n+027-01-01\t休\tx\n2027-01-0a\t休\tx\n2027-00-10\t休\tx\n2027-01-01\t休\t元旦\r\n"),
         {"@:1: '2027-1-01' is not a date of the form YYYY-MM-DD", "@:2: '+027-01-01' is not a date of the form YYYY-MM-DD",
          "@:3: '2027-01-0a' is not a date of the form YYYY-MM-DD", "@:4: '2027-00-10' is not a date of the form YYYY-MM-DD"},
         {2027, 1, 1}, DayOff::Rest, "元旦"},
    };
    const std::string dir = testing::TempDir() + "dovrin-bad-files";
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directory(dir);
        const std::string path = dir + "/rest-days.tsv";
        if (std::string(c.name) == "unreadable" && geteuid() == 0) continue;  // root reads it anyway
        c.make(path);
        std::vector<std::string> expected;
        for (const std::string& m : c.messages) expected.push_back(dovrin::ReplaceAll(m, "@", path));
        if (std::string(c.name) == "25 bad lines") {
            for (int i = 1; i <= 20; ++i) expected.push_back(path + ":" + std::to_string(i) + ": " + fields);
            expected.push_back(path + ": … 5 more lines skipped");
        }

        const auto start = std::chrono::steady_clock::now();
        std::vector<std::string> messages;
        const dovrin::RestDays restDays = dovrin::LoadRestDays(path, messages);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.name;
        EXPECT_EQ(messages, expected) << c.name;
        EXPECT_EQ(restDays.Lookup(c.day).kind, c.kind) << c.name;
        EXPECT_EQ(restDays.Lookup(c.day).holiday, c.holiday) << c.name;
        EXPECT_EQ(restDays.Lookup({2026, 10, 1}).holiday, "国庆节") << c.name;  // the built-in days apply
        EXPECT_FALSE(restDays.Covers(2030)) << c.name;  // only years the file really covers
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
