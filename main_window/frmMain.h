// The main window's logic: the selected day, the month grid, navigation and start-up state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "calendar/clsDate.h"
#include "calendar/my_day_rules.h"
#include "calendar/span.h"
#include "main_window/day_cells.h"
#include "main_window/main_view.h"
#include "main_window/picture_box.h"
#include "resources/reference_texts.h"
#include "resources/rest_days.h"

// Key codes that picMain_KeyDown acts on.
enum KeyCode : std::int16_t {
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
};

// Indexes of the five Image2 buttons.
enum Image2Index : std::int16_t {
    Image2PreviousYear = 0,
    Image2PreviousMonth = 1,
    Image2NextMonth = 2,
    Image2NextYear = 3,
    Image2Today = 4,
};

// The members are public: the Qt widget that wraps this class is the other half of the
// same form, and it reads and sets them as the form's own code does.
class frmMain {
public:
    // Draws on `surface`, pushes every redraw to `outputs`; "today" comes from `today`.
    frmMain(dovrin::PictureBox& surface, dovrin::MainView& outputs, const dovrin::Clock& today);

    // The selection stays within these years.
    static constexpr std::int16_t FirstYear = dovrin::FirstWindowYear;
    static constexpr std::int16_t LastYear = dovrin::LastWindowYear;

    clsDate CalDate;
    bool IsReady = false;
    float MinWidth = 0;   // twips, outer size
    float MinHeight = 0;  // twips
    std::int16_t CurYear = 0;
    std::int16_t CurMonth = 0;
    std::int16_t CurDay = 0;
    float CellWidth = 0;   // pixels of picMain
    float CellHeight = 0;  // pixels of picMain
    dovrin::ReferenceTexts Texts;
    // The official days off (休) and make-up working days (班) marked in the cells.
    dovrin::RestDays OfficialDays;
    // The user's own days, shown in the day text; read with the rest days.
    std::vector<dovrin::MyDay> MyDays;
    // my-days.tsv as MyDays was read from it: a change is written only while the file
    // still holds this text.
    std::string MyDaysText;

    // Reads the user's days again from `path` (none when it is ""); the next redraw shows them.
    void LoadMyDays(const std::string& path);

    // Today's date, held within FirstYear..LastYear so that a wrong clock cannot select a
    // day the calendar does not cover.
    void SelectToday();

    void ReDrawCalendar();
    // Days of the month, every fourth year a leap year; 0 for a month outside 1..12.
    static std::int16_t GetMonthDayCount(std::int16_t year, std::int16_t month);

    // The day of the month shown under (x, y), in picMain's pixels, as a click finds it; 0
    // over the heading, over an empty cell, and in a grid too small to have cells.
    std::int32_t DayUnder(float x, float y) const;
    // Where the last redraw painted that cell, in picMain's pixels.
    dovrin::CellBox BoxOfCell(dovrin::GridCell cell) const;

    void picMain_KeyDown(std::int16_t keyCode, std::int16_t shift);
    // X and Y in picMain's pixels; every button selects.
    void picMain_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void Image2_Click(std::int16_t index);
    // listEntry is Combo1's entry at its list index.
    void Combo1_Click(const std::string& listEntry);
    void Combo1_Change(const std::string& listEntry);

    // cancel becomes 1 while the font list is still being filled.
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) const;

private:
    // Height of the weekday heading with its separator: where the first row of cells starts.
    float HeadingHeight() const;
    // The steps of ReDrawCalendar. The heading band and its separator; the heading's text height.
    float DrawHeadingBand();
    // `mine`: the user's days of the month shown, of MyDays.
    void DrawDayCell(std::int32_t d, float th, dovrin::CivilDate today, const std::vector<dovrin::MyDayOnDate>& mine);
    void DrawGridLines(float th);
    void DrawWeekdayNames();
    // Label1 and Label2 for the selected day, then the day information.
    void ShowSelectedDayLabels();
    // The caption for the long date in Label1, and the day text.
    void ShowDayInfo(const std::string& label1);
    // A step past FirstYear or LastYear stays on that year.
    void KeepYearInRange();
    // 休 or 班 at the top right of the cell whose top-left corner is (x, y), and the user's
    // day mark left of it (`mine`), each when it fits beside the day's first line.
    void MarkDay(dovrin::DayOff kind, bool mine, float x, float y, const std::string& firstLine);
    // Prints the text at the text position, cut with "…" to the cell's width; what it printed.
    std::string PrintInCell(const std::string& text);
    void DayForward(std::int16_t days);
    void DayBack(std::int16_t days);
    void MonthBack();
    void MonthForward();

    dovrin::PictureBox& picMain;
    dovrin::MainView& view;
    const dovrin::Clock& clock;
};
