// UpNumber on any bytes: the result is made of numerals and units only.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calendar/clsDate.h"
#include "calendar/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const clsDate date;
    const std::string spelled = date.UpNumber(text);
    static constexpr std::string_view allowed = "零一二三四五六七八九十百千万亿";
    for (const std::string_view character : dovrin::Utf8Characters(spelled))
        if (character.size() != 3 || allowed.find(character) == std::string_view::npos) std::abort();
    return 0;
}
