// Layout arithmetic of the main window, free of any windowing toolkit.
#include "main_window/layout.h"

#include <algorithm>

#include "main_window/round_half_even.h"

namespace dovrin {

float TwipsPerPixel(float logicalDpi)
{
    return 1440.0f / logicalDpi;
}

std::int32_t TwipsToPixels(float twips, float twipsPerPixel)
{
    return RoundHalfEven(twips / twipsPerPixel);
}

float PixelsToTwips(float pixels, float twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

float AtLeast(float size, float minimum)
{
    return size < minimum ? minimum : size;
}

MovingControls FollowRightEdge(const MovingControls& current, float scaleWidth,
                               float scaleHeight)
{
    MovingControls next = current;
    next.Combo1.Left = scaleWidth - current.Combo1.Width - EdgeGap;
    next.picToolbar.Left = next.Combo1.Left - current.picToolbar.Width - EdgeGap;
    const float picMainHeight = scaleHeight - current.picMain.Top;
    if (picMainHeight >= 0) next.picMain = {0, current.picMain.Top, scaleWidth, picMainHeight};
    return next;
}

TwipsRect AttachInfoWindow(const TwipsRect& mainOuter, float infoOuterWidth)
{
    return {mainOuter.Left + mainOuter.Width, mainOuter.Top, infoOuterWidth, mainOuter.Height};
}

namespace {

// The start of a span of `length` moved as little as possible to lie within the area; a span
// longer than the area starts where the area does.
float Inside(float start, float length, float areaStart, float areaLength)
{
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

TwipsRect KeepPairOnScreen(const TwipsRect& mainOuter, float infoOuterWidth, const TwipsRect& available)
{
    const float pairWidth = mainOuter.Width + infoOuterWidth;
    const float width = pairWidth <= available.Width ? pairWidth : mainOuter.Width;
    return {Inside(mainOuter.Left, width, available.Left, available.Width),
            Inside(mainOuter.Top, mainOuter.Height, available.Top, available.Height), mainOuter.Width,
            mainOuter.Height};
}

bool InfoWindowShown(WindowState mainState)
{
    return mainState == WindowState::Normal;
}

}  // namespace dovrin
