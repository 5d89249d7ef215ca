// The dialog of the user's days without Qt: what it starts with, the day it gives, the
// dates it previews and a save that must not overwrite what another program wrote.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "main_window/my_day_form.h"

namespace {

using dovrin::MyDay;
using dovrin::MyDayForm;

MyDay DayOn(const char* title, bool lunar, std::int32_t month, std::int32_t day)
{
    MyDay made;
    made.title = title;
    made.lunar = lunar;
    made.month = month;
    made.day = day;
    return made;
}

TEST(MyDayForm, StartsFromTheSelectedDayInEitherCalendar)
{
    MyDayForm form = dovrin::NewMyDayForm({2027, 9, 15});
    EXPECT_TRUE(form.lunar);
    EXPECT_EQ(std::tuple(form.month, form.day, form.leap), std::tuple(8, 15, false));
    // 2023-03-22 is the first day of 闰二月.
    form = dovrin::NewMyDayForm({2023, 3, 22});
    EXPECT_EQ(std::tuple(form.month, form.day, form.leap), std::tuple(2, 1, true));
    form.title = "开张纪念日";
    dovrin::RepeatBy(form, false, {2023, 3, 22});
    EXPECT_EQ(std::tuple(form.lunar, form.month, form.day, form.leap), std::tuple(false, 3, 22, false));
    EXPECT_EQ(form.title, "开张纪念日");
}

TEST(MyDayForm, GivesBackTheDayItWasOpenedWith)
{
    MyDay day;
    day.title = "外婆忌日";
    day.kind = dovrin::MyDayKind::Memorial;
    day.month = 4;
    day.day = 30;
    day.leap = true;
    day.firstYear = 1998;
    day.shortMonth = dovrin::ShortMonthRule::NextMonthFirst;
    day.missingLeap = dovrin::MissingLeapRule::Skip;
    day.remind = std::vector<std::int32_t>{7, 1};
    MyDay back;
    EXPECT_EQ(dovrin::DayOfForm(dovrin::MyDayFormOf(day), back), "");
    EXPECT_EQ(back, day);

    day = DayOn("闰日生日", false, 2, 29);
    day.commonYear = dovrin::CommonYearRule::Mar1;
    day.remind = std::vector<std::int32_t>{};  // none at all, unlike a birthday's own
    EXPECT_EQ(dovrin::DayOfForm(dovrin::MyDayFormOf(day), back), "");
    EXPECT_EQ(back, day);
}

TEST(MyDayForm, RefusesWhatTheFileCannotHold)
{
    MyDayForm form = dovrin::NewMyDayForm({2027, 9, 15});
    MyDay day;
    form.title = "妈妈生日";
    for (const char* since : {"19a1", "12345", "0", "-5"}) {
        form.since = since;
        EXPECT_NE(dovrin::DayOfForm(form, day), "") << since;
    }
    form.since = " 1961 ";
    EXPECT_EQ(dovrin::DayOfForm(form, day), "");
    EXPECT_EQ(day.firstYear, 1961);
    form.remind = "3，x";
    EXPECT_NE(dovrin::DayOfForm(form, day), "");
    form.remind = "";
    form.title = "#注释";
    EXPECT_NE(dovrin::DayOfForm(form, day), "");
}

TEST(MyDayForm, RulesAndRemindersFollowTheDate)
{
    MyDayForm form = dovrin::NewMyDayForm({2027, 9, 15});
    EXPECT_FALSE(dovrin::NeedsShortMonthRule(form));
    EXPECT_TRUE(dovrin::NeedsLeapYearRule(form));
    form.day = 30;
    form.leap = true;
    EXPECT_TRUE(dovrin::NeedsShortMonthRule(form));
    EXPECT_TRUE(dovrin::NeedsMissingLeapRule(form));
    EXPECT_FALSE(dovrin::NeedsLeapYearRule(form));
    dovrin::RepeatBy(form, false, {2028, 2, 29});
    EXPECT_TRUE(dovrin::NeedsCommonYearRule(form));
    EXPECT_FALSE(dovrin::NeedsShortMonthRule(form));

    form.title = "妈妈生日";
    EXPECT_EQ(dovrin::DefaultRemindText(form), "3,1");
    form.title = "结婚纪念日";
    EXPECT_EQ(dovrin::DefaultRemindText(form), "无");
    form.kind = dovrin::MyDayKind::Birthday;
    EXPECT_EQ(dovrin::DefaultRemindText(form), "3,1");
}

TEST(MyDayForm, PreviewsTheNextThreeDates)
{
    MyDayForm form = dovrin::NewMyDayForm({2027, 9, 15});
    form.title = "妈妈生日";
    form.since = "1961";
    EXPECT_EQ(dovrin::PreviewText(form, {2027, 9, 15}),
              "2027年9月15日（农历八月十五，六十六岁）\n"
              "2028年10月3日（农历八月十五，六十七岁）\n"
              "2029年9月22日（农历八月十五，六十八岁）");
    // No 腊月三十 from the new year's eve of 2025 to that of 2029, as was widely noted: the
    // day falls on 廿九, or the next one with a 三十 is the eve of 2030.
    form = MyDayForm{};
    form.month = 12;
    form.day = 30;
    EXPECT_EQ(dovrin::PreviewText(form, {2026, 1, 1}),
              "2026年2月16日（农历腊月廿九），今年腊月小，提前到廿九\n"
              "2027年2月5日（农历腊月廿九），今年腊月小，提前到廿九\n"
              "2028年1月25日（农历腊月廿九），今年腊月小，提前到廿九");
    form.shortMonth = dovrin::ShortMonthRule::Skip;
    EXPECT_EQ(dovrin::PreviewText(form, {2026, 1, 1}, 1), "2030年2月2日（农历腊月三十）");
    form.title = "#";
    EXPECT_NE(dovrin::PreviewText(form, {2026, 1, 1}).find("#"), std::string::npos) << "says why there is none";
}

class MyDaysFileSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = testing::TempDir() + "dovrin-form-XXXXXX";
        folder = mkdtemp(pattern.data());
        path = folder + "/my-days.tsv";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    void Write(const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }
    std::string Read() const
    {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }

    std::string folder;
    std::string path;
};

TEST_F(MyDaysFileSave, WritesOnlyWhileTheFileIsTheOneShown)
{
    const std::string shown = "# 我的\n爸爸生日\t农历九月初九\n";
    Write(shown);
    const MyDay mother = DayOn("妈妈生日", true, 8, 15);
    dovrin::MyDaySave saved = dovrin::SaveMyDay(path, shown, "", mother);
    EXPECT_EQ(saved.error, "");
    const std::string written = Read();
    EXPECT_EQ(written, shown + "妈妈生日\t农历八月十五\n");

    // Another program's line since: the window's text is stale and nothing is written.
    Write(written + "国庆\t10-01\n");
    saved = dovrin::SaveMyDay(path, written, "妈妈生日", DayOn("母亲生日", true, 8, 15));
    EXPECT_TRUE(saved.stale);
    EXPECT_NE(saved.error.find(path), std::string::npos);
    EXPECT_EQ(Read(), written + "国庆\t10-01\n");
    EXPECT_TRUE(dovrin::RemoveMyDayFromFile(path, written, "国庆").stale);

    // Read again, a change goes through; a title taken is refused for itself.
    const std::string current = Read();
    saved = dovrin::SaveMyDay(path, current, "妈妈生日", DayOn("爸爸生日", true, 8, 15));
    EXPECT_FALSE(saved.stale);
    EXPECT_NE(saved.error, "");
    EXPECT_EQ(Read(), current);
    EXPECT_EQ(dovrin::RemoveMyDayFromFile(path, current, "妈妈生日").error, "");
    EXPECT_EQ(Read(), shown + "国庆\t10-01\n");
}

TEST_F(MyDaysFileSave, ANewFileStartsWithItsHeader)
{
    EXPECT_EQ(dovrin::SaveMyDay(path, "", "", DayOn("妈妈生日", true, 8, 15)).error, "");
    const dovrin::MyDaysFile file = dovrin::ParseMyDays(Read());
    ASSERT_EQ(file.days.size(), 1U);
    EXPECT_EQ(file.days[0].title, "妈妈生日");
    EXPECT_TRUE(Read().starts_with("#"));
    EXPECT_NE(dovrin::SaveMyDay("", "", "", DayOn("x", true, 1, 1)).error, "");
}

TEST(MyDayForm, NotesTheLinesTheFileCannotUse)
{
    EXPECT_EQ(dovrin::BadLinesNote(dovrin::ParseMyDays("妈妈生日\t农历八月十五\n")), "");
    const std::string note = dovrin::BadLinesNote(dovrin::ParseMyDays("# x\n坏\t农历十三月\n又坏\n妈妈生日\t农历八月十五\n"));
    EXPECT_TRUE(note.starts_with("文件的第 2 行无法使用（")) << note;
    EXPECT_NE(note.find("另有 1 行"), std::string::npos) << note;
}

}  // namespace
