// What frmMain shows besides the month grid: the window's title, the title label and its
// shadow, and frmInfo's text. frmMain pushes each one when it changes.
#pragma once

#include <string>

namespace dovrin {

// Abstract so that tests can record the updates.
class MainView {
public:
    virtual ~MainView() = default;

    // Label1, the long date, and Label2, its grey shadow; once per redraw.
    virtual void ShowLabels(const std::string& label1, const std::string& label2) = 0;
    // The main window's title.
    virtual void ShowCaption(const std::string& caption) = 0;
    // frmInfo's whole text, lines ending in CR LF.
    virtual void ShowDayText(const std::string& text) = 0;
    // The selected day is on screen; the last call of each redraw, so that whoever tells
    // of a new day tells of what is shown.
    virtual void ShowSelectedDay() = 0;
};

}  // namespace dovrin
