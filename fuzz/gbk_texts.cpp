// The GBK decoder and the reference-text loader on any bytes, then the day information text
// composed from what they made: the result is valid UTF-8 whatever the bytes were.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "calendar/date_serial.h"
#include "info_window/day_info_text.h"
#include "resources/gbk.h"
#include "resources/reference_texts.h"

namespace {

bool IsValidUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                                : lead >= 0xF0 && lead < 0xF5                        ? 4
                                                                                                      : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

void Require(bool condition)
{
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // A day the windows can show, 1901-01-01 .. 2049-12-31.
    static const std::int64_t first = dovrin::CivilDate{1901, 1, 1}.Days();
    static const std::int64_t last = dovrin::CivilDate{2049, 12, 31}.Days();
    const dovrin::CivilDate day = dovrin::CivilDate::FromDays(input.ConsumeIntegralInRange(first, last));

    std::array<std::string, 6> pieces;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) pieces[i] = input.ConsumeRandomLengthString();
    pieces.back() = input.ConsumeRemainingBytesAsString();

    const dovrin::DecodeResult decoded = dovrin::DecodeGbk(pieces[0]);
    Require(decoded.error.empty() && IsValidUtf8(decoded.text));

    std::ostringstream diagnostics;
    const dovrin::ReferenceTexts texts = dovrin::ReferenceTextsFromGbk(
        {pieces[0], pieces[1], pieces[2], pieces[3], pieces[4], pieces[5]}, diagnostics);
    clsDate date;
    const std::string text =
        dovrin::DayInfoText(date, texts, static_cast<std::int16_t>(day.year), static_cast<std::int16_t>(day.month),
                            static_cast<std::int16_t>(day.day));
    Require(IsValidUtf8(text));
    return 0;
}
