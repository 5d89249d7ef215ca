// UTF-8 text: characters (code points), display columns, and the few string operations
// the calendar's texts need.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dovrin {

// The characters of a UTF-8 text, each as its own byte sequence. A malformed byte stands alone.
std::vector<std::string_view> Utf8Characters(std::string_view text);

// Columns the text takes on a terminal or in a fixed-width layout: a wide (CJK,
// full-width) character counts two, every other character one.
std::size_t DisplayWidth(std::string_view text);

// Strict UTF-8: no stray or missing continuation bytes, overlong forms, surrogates or code
// points past U+10FFFF. Without `allowControls`, C0 and C1 controls and DEL are refused too.
bool IsValidUtf8(std::string_view text, bool allowControls = true);

// The text with every control character and every byte that is not UTF-8 written as \xNN,
// and the direction marks (U+202E …) as \uNNNN, so that a message can quote any input
// without the terminal acting on it.
std::string Printable(std::string_view text);

// The text in the middle of `width` display columns, padded with spaces on both sides (the
// odd column on the right); a text as wide or wider stays as it is.
std::string Centred(std::string_view text, std::size_t width);

// The text as it fits `width`, measured by `widthOf`: whole where it fits, else cut at a
// character boundary with "…" after the part that fits with it; "" where not even "…" fits.
// One rule for every view with a fixed width (the grid's cells, the paper, the terminal).
std::string Elided(std::string_view text, float width, const std::function<float(std::string_view)>& widthOf);

// Every occurrence of `from` replaced by `to`, left to right.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// CR LF line ends become LF, and a CR that ends the text goes; a lone CR elsewhere stays.
std::string WithLineFeeds(std::string_view text);

// The text without the ASCII spaces at either end; "" when it holds nothing else.
std::string_view TrimmedSpaces(std::string_view text);

// The pieces between the delimiters: n delimiters give n + 1 pieces, empty ones included.
std::vector<std::string> SplitAt(std::string_view text, std::string_view delimiter);

}  // namespace dovrin
