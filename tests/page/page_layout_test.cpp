// The printed pages on a recording surface: nothing printed crosses a line or another text,
// and the short line of a day on the year page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/utf8.h"
#include "page/pages.h"

namespace dovrin {
namespace {

struct Box {
    float left, top, right, bottom;
    std::string text;
};

// Chinese one em wide, ASCII half; one em high: near enough the Ming faces for the geometry.
class RecordingPage final : public PageSurface {
public:
    void NewPage(float w, float h) override
    {
        width = w;
        height = h;
    }
    void ForeColor(Rgb) override {}
    void Line(float x1, float y1, float x2, float y2) override { lines.push_back({x1, y1, x2, y2, {}}); }
    void FilledBox(float, float, float, float) override {}
    void Font(float points, bool) override { size = points; }
    void Print(float x, float y, const std::string& text) override
    {
        texts.push_back({x, y, x + TextWidth(text), y + TextHeight(), text});
    }
    float TextWidth(const std::string& text) const override
    {
        float w = 0;
        for (std::string_view character : Utf8Characters(text)) w += character.size() == 1 ? size / 2 : size;
        return w;
    }
    float TextHeight() const override { return size; }
    bool Finish() override { return true; }

    float width = 0, height = 0, size = 10;
    std::vector<Box> texts;
    std::vector<Box> lines;  // left, top = one end; right, bottom = the other
};

constexpr float slack = 0.01f;

void ExpectClear(const RecordingPage& page, const std::string& which)
{
    ASSERT_FALSE(page.texts.empty()) << which;
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
        const Box& t = page.texts[i];
        EXPECT_TRUE(t.left >= 0 && t.top >= 0 && t.right <= page.width && t.bottom <= page.height)
            << which << ": '" << t.text << "' off the page";
        for (const Box& l : page.lines) {
            const bool crosses = l.left == l.right  // vertical
                                     ? t.left + slack < l.left && l.left < t.right - slack &&
                                           std::min(l.top, l.bottom) < t.bottom && t.top < std::max(l.top, l.bottom)
                                     : t.top + slack < l.top && l.top < t.bottom - slack &&
                                           std::min(l.left, l.right) < t.right && t.left < std::max(l.left, l.right);
            EXPECT_FALSE(crosses) << which << ": '" << t.text << "' crosses a line";
        }
        for (std::size_t j = i + 1; j < page.texts.size(); ++j) {
            const Box& u = page.texts[j];
            const bool overlap = std::min(t.right, u.right) - std::max(t.left, u.left) > slack &&
                                 std::min(t.bottom, u.bottom) - std::max(t.top, u.top) > slack;
            EXPECT_FALSE(overlap) << which << ": '" << t.text << "' and '" << u.text << "' overlap";
        }
    }
}

// Every month of a year with many days off and one with none, a year with a leap month, on
// both papers: long holiday names are fitted to their cells.
TEST(PrintedPages, NoTextCrossesALineOrAnotherText)
{
    const RestDays restDays;
    for (Paper paper : {Paper::A4, Paper::Letter}) {
        for (std::int32_t year : {2026, 2027}) {
            for (std::int32_t month = 1; month <= 12; ++month) {
                RecordingPage page;
                DrawMonthPage(page, paper, year, month, restDays);
                ExpectClear(page, std::to_string(year) + "-" + std::to_string(month));
            }
        }
        for (std::int32_t year : {2026, 2033}) {
            RecordingPage page;
            DrawYearPage(page, paper, year, restDays);
            ExpectClear(page, std::to_string(year));
        }
    }
}

TEST(PrintedPages, PaperSizesAndTitles)
{
    EXPECT_NEAR(SizeOfPaper(Paper::A4, false).width, 595.28, 0.01);
    EXPECT_NEAR(SizeOfPaper(Paper::Letter, true).width, 792, 0.01);

    RecordingPage page;
    DrawMonthPage(page, Paper::A4, 2027, 2, RestDays());
    EXPECT_GT(page.width, page.height);
    // The lunar years the month's days belong to, and the two lunar months it spans.
    EXPECT_EQ(page.texts.at(0).text, "2027年2月 农历丙午(马)/丁未(羊)年");
    EXPECT_EQ(page.texts.at(1).text, "农历腊月、正月");

    RecordingPage year;
    DrawYearPage(year, Paper::A4, 2027, RestDays());
    EXPECT_EQ(year.texts.at(0).text, "2027年 丁未(羊)年");
}

// A birthday on 中秋节 in the days off of 国庆节, and a Gregorian day on another 休.
TEST(PrintedPages, TheUsersDaysAreMarkedAndListedWithoutCrowdingTheCells)
{
    MyDay mother;
    mother.title = "妈妈生日";
    mother.month = 8;
    mother.day = 15;
    mother.firstYear = 1961;
    MyDay wedding;
    wedding.title = "结婚纪念日";
    wedding.lunar = false;
    wedding.month = 10;
    wedding.day = 8;
    const std::vector<MyDay> days{mother, wedding};
    const auto count = [](const RecordingPage& page, const std::string& text) {
        return std::count_if(page.texts.begin(), page.texts.end(),
                             [&](const Box& box) { return box.text.starts_with(text); });
    };
    for (Paper paper : {Paper::A4, Paper::Letter}) {
        RecordingPage month;
        DrawMonthPage(month, paper, 2025, 10, RestDays(), days);
        ExpectClear(month, "month");
        EXPECT_EQ(count(month, "◉"), 2);
        EXPECT_EQ(count(month, "6日 妈妈生日（农历八月十五，六十四岁）"), 1);
        EXPECT_EQ(count(month, "8日 结婚纪念日"), 1);
        EXPECT_EQ(count(month, "妈妈生日"), 1);  // the cell's line, before 老人节

        RecordingPage year;
        DrawYearPage(year, paper, 2025, RestDays(), days);
        ExpectClear(year, "year");
        EXPECT_EQ(count(year, "◉"), 2);
        EXPECT_EQ(count(year, "妈妈生日"), 0);  // no room for the title
    }
}

}  // namespace
}  // namespace dovrin
