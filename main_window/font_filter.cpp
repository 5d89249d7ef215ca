// The font list's exclusion list and prefix rules, and the rules on family names.
#include "main_window/font_filter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace dovrin {
namespace {

constexpr std::array<std::string_view, 27> ExcludedNames = {
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
    if (std::find(ExcludedNames.begin(), ExcludedNames.end(), lower) != ExcludedNames.end())
        return false;
    if (ExtendsPrefix(lower, "times new roman")) return false;
    if (ExtendsPrefix(lower, "arial")) return false;
    if (ExtendsPrefix(lower, "courier new")) return false;
    if (lower.rfind("mingliu", 0) == 0) return false;
    if (!name.empty() && name.front() == '@') return false;  // vertical-writing variants
    return true;
}

std::string FamilyWithoutFoundry(const std::string& family)
{
    const std::size_t open = family.rfind(" [");
    if (open == std::string::npos || open == 0 || family.back() != ']') return family;
    return family.substr(0, open);
}

bool IsSymbolFontName(const std::string& family)
{
    // Whole words: a longer word that only contains one is left to the coverage test.
    static constexpr std::array<std::string_view, 5> symbolWords = {
        "symbol", "symbols", "dingbats", "wingdings", "webdings"};
    // URW's Dingbats carry a font number for a name.
    static constexpr std::array<std::string_view, 1> symbolNames = {"d050000l"};

    const std::string lower = LowerAscii(FamilyWithoutFoundry(family));
    if (std::find(symbolNames.begin(), symbolNames.end(), lower) != symbolNames.end()) return true;
    std::size_t start = 0;
    while (start <= lower.size()) {
        std::size_t end = lower.find(' ', start);
        if (end == std::string::npos) end = lower.size();
        const std::string_view word = std::string_view(lower).substr(start, end - start);
        if (std::find(symbolWords.begin(), symbolWords.end(), word) != symbolWords.end()) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace dovrin
