// The program's pictures, painted in code: the logo and the five navigation icons.
#pragma once

#include <QPixmap>

namespace dovrin {

// A calendar page with the sun and the moon: the Gregorian and the lunar calendar.
QPixmap LogoPixmap(int size, qreal devicePixelRatio);

// Icons of the Image2 buttons, by index: previous year, previous month, next month,
// next year, today. 16 x 16 device-independent pixels.
QPixmap Image2Pixmap(int index, qreal devicePixelRatio);

}  // namespace dovrin
