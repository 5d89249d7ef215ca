// UTF-8 text: characters, display columns and string operations.
#include "calendar/utf8.h"

#include <utility>

namespace dovrin {
namespace {

std::size_t SequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (at + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
    return length;
}

char32_t CodePoint(std::string_view character)
{
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(character[i])); };
    switch (character.size()) {
    case 2: return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3: return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4: return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
    default: return byte(0);
    }
}

bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::string_view character : Utf8Characters(text)) width += IsWide(CodePoint(character)) ? 2 : 1;
    return width;
}

std::vector<std::string_view> Utf8Characters(std::string_view text)
{
    std::vector<std::string_view> characters;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        characters.push_back(text.substr(at, length));
        at += length;
    }
    return characters;
}

bool IsValidUtf8(std::string_view text, bool allowControls)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
        const unsigned char lead = byte(at);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) length = 1, code = lead;
        else if ((lead & 0xE0) == 0xC0) length = 2, code = lead & 0x1Fu;
        else if ((lead & 0xF0) == 0xE0) length = 3, code = lead & 0x0Fu;
        else if ((lead & 0xF8) == 0xF0) length = 4, code = lead & 0x07u;
        else return false;
        if (at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((byte(at + i) & 0xC0) != 0x80) return false;
            code = (code << 6) | (byte(at + i) & 0x3Fu);
        }
        static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};  // below: overlong
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        if (!allowControls && (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0))) return false;
        at += length;
    }
    return true;
}

namespace {

// The marks that turn or isolate the direction of the text around them: a quoted U+202E
// turns the rest of the terminal's line around, so they are shown by their code.
const char* DirectionMarkCode(std::string_view character)
{
    static constexpr std::pair<std::string_view, const char*> marks[] = {
        {"\u061C", "\\u061C"}, {"\u200E", "\\u200E"}, {"\u200F", "\\u200F"}, {"\u202A", "\\u202A"},
        {"\u202B", "\\u202B"}, {"\u202C", "\\u202C"}, {"\u202D", "\\u202D"}, {"\u202E", "\\u202E"},
        {"\u2066", "\\u2066"}, {"\u2067", "\\u2067"}, {"\u2068", "\\u2068"}, {"\u2069", "\\u2069"}};
    for (const auto& [mark, code] : marks)
        if (character == mark) return code;
    return nullptr;
}

}  // namespace

std::string Printable(std::string_view text)
{
    std::string out;
    for (std::string_view character : Utf8Characters(text)) {
        if (const char* code = DirectionMarkCode(character)) {
            out += code;
            continue;
        }
        if (IsValidUtf8(character, false)) {
            out += character;
            continue;
        }
        for (char c : character) {
            static constexpr char digits[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 0xF];
        }
    }
    return out;
}

std::string Elided(std::string_view text, float width, const std::function<float(std::string_view)>& widthOf)
{
    if (text.empty() || widthOf(text) <= width) return std::string(text);
    const std::vector<std::string_view> characters = Utf8Characters(text);
    // The longest start that fits with the ellipsis: the widths of starts grow with them.
    std::size_t lo = 0, hi = characters.size();
    const auto cutAt = [&](std::size_t keep) {
        const std::size_t bytes = keep == 0 ? 0 : static_cast<std::size_t>(characters[keep - 1].data() + characters[keep - 1].size() - text.data());
        std::string kept(text.substr(0, bytes));
        while (!kept.empty() && kept.back() == ' ') kept.pop_back();  // "国庆节…", not "国庆节 …"
        return kept + "…";
    };
    if (widthOf(cutAt(0)) > width) return {};
    while (lo + 1 < hi) {
        const std::size_t mid = (lo + hi) / 2;
        (widthOf(cutAt(mid)) <= width ? lo : hi) = mid;
    }
    return cutAt(lo);
}

std::string Centred(std::string_view text, std::size_t width)
{
    const std::size_t used = DisplayWidth(text);
    if (used >= width) return std::string(text);
    const std::size_t left = (width - used) / 2;
    return std::string(left, ' ') + std::string(text) + std::string(width - used - left, ' ');
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty()) return std::string(text);
    // Built afresh rather than replaced in place: each replacement in place moves the whole
    // tail, which made a 1 MiB file of short CRLF lines take seconds to rewrite.
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(from, start)) != std::string_view::npos; start = at + from.size())
        out.append(text.substr(start, at - start)).append(to);
    return out.append(text.substr(start));
}

std::string WithLineFeeds(std::string_view text)
{
    if (text.ends_with('\r')) text.remove_suffix(1);  // a file cut off after its last CR
    return ReplaceAll(text, "\r\n", "\n");
}

std::vector<std::string> SplitAt(std::string_view text, std::string_view delimiter)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at; !delimiter.empty() && (at = text.find(delimiter, start)) != std::string_view::npos;
         start = at + delimiter.size())
        pieces.emplace_back(text.substr(start, at - start));
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string_view TrimmedSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace dovrin
