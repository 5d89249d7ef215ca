// The font list's exclusion list and prefix rules.
#include "main_window/font_filter.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace dovrin {
namespace {

constexpr std::array<std::string_view, 27> excludedNames = {
    "wingdings", "wingdings 2", "wingdings 3", "webdings", "symbol",
    "simplified arabic bold", "simplified arabic fixed", "simplified arabic", "rod",
    "pmingliu", "pmingliu-extb", "narkisim", "mv boli", "mt extra",
    "ms reference sans serif", "ms reference specialty", "ms outlook", "ms mincho",
    "ms pmincho", "ms gothic", "ms pgothic", "ms ui gothic", "aharoni",
    "arabic typesetting", "arabic transparent", "bookshelf symbol 7", "david"};

// Font names compared here are ASCII; other bytes of a UTF-8 name stay as they are,
// and a prefix of ASCII characters has as many bytes as characters.
std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The name starts with the prefix and is longer than it.
bool ExtendsPrefix(std::string_view lower, std::string_view prefix)
{
    return lower.size() > prefix.size() && lower.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool FontPassesFilter(const std::string& name)
{
    const std::string lower = LowerAscii(name);
    if (std::find(excludedNames.begin(), excludedNames.end(), lower) != excludedNames.end())
        return false;
    if (ExtendsPrefix(lower, "times new roman")) return false;
    if (ExtendsPrefix(lower, "arial")) return false;
    if (ExtendsPrefix(lower, "courier new")) return false;
    if (lower.rfind("mingliu", 0) == 0) return false;
    if (!name.empty() && name.front() == '@') return false;  // vertical-writing variants
    return true;
}

}  // namespace dovrin
