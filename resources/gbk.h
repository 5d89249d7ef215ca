// GBK (code page 936) to and from UTF-8, through the C library's iconv.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dovrin {

struct DecodeResult {
    std::string text;         // UTF-8
    std::size_t damaged = 0;  // byte sequences replaced by U+FFFD
    std::string error;        // set when no conversion could be made at all
};

// A byte sequence that is no GBK character becomes U+FFFD and decoding goes on.
DecodeResult DecodeGbk(std::string_view bytes);

struct EncodeResult {
    std::string bytes;  // GBK
    // Byte offset in the UTF-8 input of the first character without a GBK form; npos
    // when every character converted.
    std::size_t unconvertible = std::string::npos;
    std::string error;  // set when no conversion could be made at all
};

// Stops at the first character that GBK cannot hold.
EncodeResult EncodeGbk(std::string_view utf8);

}  // namespace dovrin
