// The official days off and working days: the built-in arrangement and a user's file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/rest_days.h"

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
                                             "2027-02-06\t班\t春节\r\n";
    std::vector<std::string> errors;
    const dovrin::RestDays restDays = dovrin::LoadRestDays(path, errors);
    EXPECT_EQ(restDays.Lookup({2027, 1, 1}).kind, DayOff::Rest);
    EXPECT_EQ(restDays.Lookup({2026, 10, 10}).kind, DayOff::Rest);  // the user's line wins
    EXPECT_EQ(restDays.Lookup({2027, 2, 6}).kind, DayOff::Work);    // CR LF is fine
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
    std::vector<std::string> errors;
    const dovrin::RestDays restDays = dovrin::LoadRestDays(tsv, errors);
    EXPECT_EQ(restDays.Lookup({2027, 1, 1}).holiday, "元旦");
    EXPECT_EQ(restDays.Lookup({2027, 2, 7}).kind, DayOff::Rest);  // the TSV wins
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0], good + ":6: 班 on 2027-02-10, which is no Saturday or Sunday");
    EXPECT_EQ(errors[1], good + ":11: a day needs \"name\" and \"date\" as text and \"isOffDay\" as true or false");
    EXPECT_EQ(errors[2].substr(0, bad.size() + 14), bad + ":3: not JSON: ") << errors[2];
    std::filesystem::remove_all(folder);
}

TEST(RestDays, TheUsersFileLivesUnderXdgDataHome)
{
    EXPECT_EQ(dovrin::UserRestDaysPath("/x", "/home/u"), "/x/dovrin/rest-days.tsv");
    EXPECT_EQ(dovrin::UserRestDaysPath("", "/home/u"), "/home/u/.local/share/dovrin/rest-days.tsv");
    EXPECT_EQ(dovrin::UserRestDaysPath(nullptr, nullptr), "");
}

}  // namespace
