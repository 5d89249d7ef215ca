// Whether the pages can be printed right: the calendar's text is Chinese, and a page set in
// faces without its characters shows empty boxes in their place.
#pragma once

namespace dovrin {

// The Debian packages of the faces the pages are set in, as a message names them.
inline constexpr const char* CjkFontPackages = "fonts-arphic-uming, fonts-noto-cjk";

// Whether fontconfig knows a face that holds every Chinese character of the page headings
// and day names, so that the text prints in it rather than as boxes.
bool HasCjkFace();

}  // namespace dovrin
