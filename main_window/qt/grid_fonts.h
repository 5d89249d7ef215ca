// The faces of the month grid and the title labels, and which faces the font list offers.
#pragma once

#include <QString>

namespace dovrin {

// The grid and the labels are laid out for "宋体", whose Chinese fills one em from top to
// bottom. Where no font has that name, Qt's substitutions send it to a Song (Ming) face of the
// same proportions: AR PL UMing, then Noto Serif CJK SC. Returns the family that draws "宋体"
// from now on (the platform's fallback when neither face is installed).
QString ResolveSongTi();

// Whether the font list offers the family: it draws Simplified Chinese and is no symbol face.
// `family` is the platform's name, with the foundry where the platform adds one.
bool ShowsCalendarText(const QString& family);

}  // namespace dovrin
