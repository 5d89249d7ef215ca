// The drawing surface the month grid paints on: a persistent picture, in pixels.
#pragma once

#include <string>

#include "calendar/day_look.h"

namespace dovrin {

// Abstract so that the grid logic runs against a recording surface in tests.
// Origin at the top-left, x to the right, y downwards.
class PictureBox {
public:
    virtual ~PictureBox() = default;

    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // Colour that Cls clears to.
    virtual void BackColor(Rgb colour) = 0;
    // Colour of the following lines, boxes and texts.
    virtual void ForeColor(Rgb colour) = 0;
    // Clears to BackColor and puts the text position back at (0, 0).
    virtual void Cls() = 0;

    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // The two points are opposite corners of a box filled in ForeColor.
    virtual void FilledBox(float x1, float y1, float x2, float y2) = 0;

    // Top-left corner where the next Print starts.
    virtual void CurrentX(float x) = 0;
    virtual void CurrentY(float y) = 0;
    // Draws at the text position, then moves to the start of the next line:
    // CurrentX = 0, CurrentY grows by one line height.
    virtual void Print(const std::string& text) = 0;
    virtual float TextHeight(const std::string& text) const = 0;
    // How far Print advances along the line for this text.
    virtual float TextWidth(const std::string& text) const = 0;

    virtual void FontBold(bool bold) = 0;
    virtual std::string FontName() const = 0;
    virtual void FontName(const std::string& name) = 0;
};

}  // namespace dovrin
