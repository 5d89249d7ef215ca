// Layout of the main window's controls and of the information window beside it, in twips.
#pragma once

#include <cstdint>

namespace dovrin {

struct TwipsRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// The three controls that move when the main window changes size.
struct MovingControls {
    TwipsRect Combo1;
    TwipsRect picToolbar;
    TwipsRect picMain;
    friend bool operator==(const MovingControls&, const MovingControls&) = default;
};

// The designed main window: client area and controls as they stand before the first resize.
inline constexpr float DesignClientWidth = 7485;
inline constexpr float DesignClientHeight = 6405;
inline constexpr TwipsRect DesignImage1{120, 120, 720, 720};
inline constexpr TwipsRect DesignLabel1{960, 360, 810, 240};
inline constexpr TwipsRect DesignLabel2{990, 390, 810, 240};  // Label1's shadow
inline constexpr MovingControls DesignControls{
    {5880, 817, 1575, 300}, {4560, 840, 1215, 255}, {0, 1200, 7455, 5175}};
// One Image2 button; button i stands at left i * its width inside picToolbar.
inline constexpr TwipsRect DesignImage2{0, 0, 240, 240};
inline constexpr int Image2Count = 5;

// The information window's designed client area.
inline constexpr float DesignInfoClientWidth = 3555;
inline constexpr float DesignInfoClientHeight = 5970;

// Gap between the client area's right edge and Combo1, and between picToolbar and Combo1.
inline constexpr float EdgeGap = 120;

enum class WindowState : std::int16_t { Normal = 0, Minimized = 1, Maximized = 2 };

// 15 twips a pixel at 96 dpi.
float TwipsPerPixel(float logicalDpi);
std::int32_t TwipsToPixels(float twips, float twipsPerPixel);
float PixelsToTwips(float pixels, float twipsPerPixel);

// A side below its minimum snaps back to it.
float AtLeast(float size, float minimum);

// Combo1 and then picToolbar keep to the client area's right edge, picMain fills the
// client area below its own top. scaleWidth and scaleHeight are
// the client area. A picMain height that would be negative (a minimized window has no
// client height) leaves picMain as it was.
MovingControls FollowRightEdge(const MovingControls& current, float scaleWidth,
                               float scaleHeight);

// The information window's place: flush against the main window's right edge, same top
// and outer height, its own outer width.
TwipsRect AttachInfoWindow(const TwipsRect& mainOuter, float infoOuterWidth);

// Where the main window's outer frame goes so that it and the information window attached
// to it lie inside `available` (the screen less its panels): the nearest such place, its size
// unchanged. Where the pair is wider than `available`, the main window alone is kept inside;
// where the main window is wider or taller still, its left edge and top (the title bar) are.
TwipsRect KeepPairOnScreen(const TwipsRect& mainOuter, float infoOuterWidth, const TwipsRect& available);

// The information window is shown only beside a normal main window.
bool InfoWindowShown(WindowState mainState);

}  // namespace dovrin
