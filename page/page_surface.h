// The drawing surface a page for paper is laid out on, in points (1/72 inch).
#pragma once

#include <string>

#include "calendar/day_look.h"

namespace dovrin {

// Abstract so that one layout draws through Qt's printer, a PDF library and the tests'
// recording surface alike. Origin at the page's top-left, x to the right, y downwards.
class PageSurface {
public:
    virtual ~PageSurface() = default;

    // Starts a page of that size; the first call starts the first page.
    virtual void NewPage(float width, float height) = 0;
    // Colour of the following lines, boxes and texts.
    virtual void ForeColor(Rgb colour) = 0;
    // A hairline, thin enough for a grid.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // The two points are opposite corners of a box filled in ForeColor.
    virtual void FilledBox(float x1, float y1, float x2, float y2) = 0;
    // Size in points of the following texts and measurements.
    virtual void Font(float size, bool bold) = 0;
    // One line of text whose box has its top-left corner at (x, y).
    virtual void Print(float x, float y, const std::string& text) = 0;
    virtual float TextWidth(const std::string& text) const = 0;
    // The height of a line of Chinese text and digits in the current font.
    virtual float TextHeight() const = 0;
    // Ends the last page and the document; false when the output could not be made.
    virtual bool Finish() = 0;
};

}  // namespace dovrin
