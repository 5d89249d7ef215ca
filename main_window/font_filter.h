// Which screen fonts the grid's font list offers.
#pragma once

#include <string>

namespace dovrin {

// False for symbol, right-to-left and vertical fonts and for the style variants of
// Times New Roman, Arial and Courier New; the base names themselves pass.
bool FontPassesFilter(const std::string& name);

}  // namespace dovrin
