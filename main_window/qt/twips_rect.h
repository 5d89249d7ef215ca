// Twips and Qt's pixel rectangles, at a window's twips per pixel.
#pragma once

#include <QRect>

#include "main_window/layout.h"

namespace dovrin {

inline TwipsRect TwipsOf(const QRect& pixels, float twipsPerPixel)
{
    return {PixelsToTwips(static_cast<float>(pixels.x()), twipsPerPixel),
            PixelsToTwips(static_cast<float>(pixels.y()), twipsPerPixel),
            PixelsToTwips(static_cast<float>(pixels.width()), twipsPerPixel),
            PixelsToTwips(static_cast<float>(pixels.height()), twipsPerPixel)};
}

inline QRect PixelsOf(const TwipsRect& twips, float twipsPerPixel)
{
    return {TwipsToPixels(twips.Left, twipsPerPixel), TwipsToPixels(twips.Top, twipsPerPixel),
            TwipsToPixels(twips.Width, twipsPerPixel), TwipsToPixels(twips.Height, twipsPerPixel)};
}

}  // namespace dovrin
