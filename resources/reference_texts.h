// The six reference texts: built-in GBK resources 101-106, decoded and split into records.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "resources/gbk.h"

namespace dovrin {

struct ReferenceTexts {
    std::vector<std::string> DayBirthTexts;       // 101
    std::vector<std::string> SignCoupleTexts;     // 102
    std::vector<std::string> AnimalTexts;         // 103
    std::vector<std::string> FlowerTexts;         // 104
    std::vector<std::string> MonthDayBirthTexts;  // 105
    std::vector<std::string> SignTexts;           // 106
};

// Loads 101 to 106 in that order from the data embedded in the executable.
// A damaged byte sequence decodes to U+FFFD and is reported on standard error, and so is
// a C library without a GBK converter (the texts are then empty).
ReferenceTexts LoadReferenceTexts();

// The same from six GBK texts given in the order 101 to 106; damaged bytes and a missing
// converter are reported on `diagnostics`.
ReferenceTexts ReferenceTextsFromGbk(const std::array<std::string_view, 6>& resources, std::ostream& diagnostics);

// The raw GBK bytes of resource 101..106; empty for any other number.
std::string_view ResourceBytes(int number);

// Splits at CR LF only; a lone CR or LF stays inside its record. A text ending in
// CR LF yields an empty last element.
std::vector<std::string> SplitRecords(std::string_view text);

}  // namespace dovrin
