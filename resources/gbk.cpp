// GBK to and from UTF-8 with iconv: one conversion loop for both directions.
#include "resources/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace dovrin {
namespace {

constexpr const char* Replacement = "\xEF\xBF\xBD";  // U+FFFD

struct Converted {
    std::string text;
    std::size_t damaged = 0;
    std::size_t firstBad = std::string::npos;
    std::string error;
};

// Converts `input` from one encoding to another. With `replace`, a byte that starts no
// character becomes U+FFFD and conversion goes on; without it, conversion stops there.
Converted Convert(const char* to, const char* from, std::string_view input, bool replace)
{
    Converted result;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        result.error = std::string("the C library has no converter from ") + from + " to " + to;
        return result;
    }
    result.text.reserve(input.size() * 3 / 2 + 16);
    char buffer[4096];
    // iconv's interface is not const-correct; it only reads the input.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t converted = iconv(cd, &in, &inLeft, &out, &outLeft);
        result.text.append(buffer, sizeof buffer - outLeft);
        if (converted != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ or EINVAL: a byte that starts no character.
        if (result.firstBad == std::string::npos) result.firstBad = input.size() - inLeft;
        if (!replace) break;
        result.text += Replacement;
        ++result.damaged;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return result;
}

}  // namespace

DecodeResult DecodeGbk(std::string_view bytes)
{
    Converted converted = Convert("UTF-8", "GBK", bytes, true);
    return {std::move(converted.text), converted.damaged, std::move(converted.error)};
}

EncodeResult EncodeGbk(std::string_view utf8)
{
    Converted converted = Convert("GBK", "UTF-8", utf8, false);
    return {std::move(converted.text), converted.firstBad, std::move(converted.error)};
}

}  // namespace dovrin
