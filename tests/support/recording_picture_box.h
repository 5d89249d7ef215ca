// A drawing surface for tests: keeps every drawing call as one line of text.
#pragma once

#include <string>
#include <vector>

#include "main_window/picture_box.h"

namespace dovrin {

// Lines look like
//   Cls #FFFFFF
//   Box 0,0 700,16 #ECE9D8
//   Line 0,17 700,17 #B6BDD2
//   Print 5,23 #FF0000 bold "1 初一"
//   Font 宋体
// Coordinates print as whole numbers when they are whole, else with up to three decimals.
class RecordingPictureBox final : public PictureBox {
public:
    RecordingPictureBox(float width, float height, float regularTextHeight = 12,
                        float boldTextHeightToo = 12);

    std::vector<std::string> Calls;

    float ScaleWidth() const override { return scaleWidth; }
    float ScaleHeight() const override { return scaleHeight; }
    void BackColor(Rgb colour) override { backColour = colour; }
    void ForeColor(Rgb colour) override { foreColour = colour; }
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void FilledBox(float x1, float y1, float x2, float y2) override;
    void CurrentX(float x) override { currentX = x; }
    void CurrentY(float y) override { currentY = y; }
    void Print(const std::string& text) override;
    float TextHeight(const std::string& text) const override;
    // Half a line height a column, a Chinese character taking two.
    float TextWidth(const std::string& text) const override;
    void FontBold(bool isBold) override { bold = isBold; }
    std::string FontName() const override { return fontName; }
    void FontName(const std::string& name) override;

    // Calls that begin with the prefix, in order.
    std::vector<std::string> Starting(const std::string& prefix) const;

private:
    float scaleWidth;
    float scaleHeight;
    float textHeight;
    float boldTextHeight;
    Rgb backColour;
    Rgb foreColour;
    float currentX = 0;
    float currentY = 0;
    bool bold = false;
    std::string fontName = "Default";
};

std::string FormatNumber(float value);
std::string FormatColour(Rgb colour);

}  // namespace dovrin
