// A main view for tests: keeps the latest of each update and every update in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "main_window/main_view.h"

namespace dovrin {

class RecordingMainView final : public MainView {
public:
    void ShowLabels(const std::string& label1, const std::string& label2) override
    {
        Label1 = label1;
        Label2 = label2;
        ++Redraws;
        Updates.push_back("Labels");
    }
    void ShowCaption(const std::string& caption) override
    {
        Caption = caption;
        Updates.push_back("Caption");
    }
    void ShowDayText(const std::string& text) override
    {
        DayText = text;
        Updates.push_back("DayText");
    }
    void ShowSelectedDay() override { Updates.push_back("SelectedDay"); }

    std::string Label1, Label2, Caption, DayText;
    std::uint64_t Redraws = 0;  // one ShowLabels per redraw
    std::vector<std::string> Updates;
};

}  // namespace dovrin
