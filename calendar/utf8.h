// UTF-8 text counted in characters (code points), as the calendar's texts are measured.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dovrin {

// The characters of a UTF-8 text, each as its own byte sequence. A malformed byte stands alone.
std::vector<std::string_view> Utf8Characters(std::string_view text);

std::size_t Utf8Length(std::string_view text);

// Columns the text takes on a terminal or in a fixed-width layout: a wide (CJK,
// full-width) character counts two, every other character one.
std::size_t DisplayWidth(std::string_view text);

}  // namespace dovrin
