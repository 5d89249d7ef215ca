// The recording drawing surface.
#include "tests/support/recording_picture_box.h"

#include <cmath>
#include <cstdio>

#include "calendar/utf8.h"

namespace dovrin {

std::string FormatNumber(float value)
{
    if (std::floor(value) == value) return std::to_string(static_cast<long long>(value));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(value));
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    return text;
}

std::string FormatColour(Rgb colour)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
    return buffer;
}

RecordingPictureBox::RecordingPictureBox(float width, float height, float regularTextHeight,
                                         float boldTextHeightToo)
    : scaleWidth(width),
      scaleHeight(height),
      textHeight(regularTextHeight),
      boldTextHeight(boldTextHeightToo)
{
}

void RecordingPictureBox::Cls()
{
    currentX = 0;
    currentY = 0;
    Calls.push_back("Cls " + FormatColour(backColour));
}

void RecordingPictureBox::Line(float x1, float y1, float x2, float y2)
{
    Calls.push_back("Line " + FormatNumber(x1) + "," + FormatNumber(y1) + " " + FormatNumber(x2) +
                    "," + FormatNumber(y2) + " " + FormatColour(foreColour));
}

void RecordingPictureBox::FilledBox(float x1, float y1, float x2, float y2)
{
    Calls.push_back("Box " + FormatNumber(x1) + "," + FormatNumber(y1) + " " + FormatNumber(x2) +
                    "," + FormatNumber(y2) + " " + FormatColour(foreColour));
}

void RecordingPictureBox::Print(const std::string& text)
{
    Calls.push_back("Print " + FormatNumber(currentX) + "," + FormatNumber(currentY) + " " +
                    FormatColour(foreColour) + (bold ? " bold" : "") + " \"" + text + "\"");
    currentX = 0;
    currentY += TextHeight(text);
}

float RecordingPictureBox::TextWidth(const std::string& text) const
{
    return static_cast<float>(DisplayWidth(text)) * TextHeight(text) / 2;
}

float RecordingPictureBox::TextHeight(const std::string&) const
{
    return bold ? boldTextHeight : textHeight;
}

void RecordingPictureBox::FontName(const std::string& name)
{
    fontName = name;
    Calls.push_back("Font " + name);
}

std::vector<std::string> RecordingPictureBox::Starting(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& call : Calls)
        if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
}

}  // namespace dovrin
