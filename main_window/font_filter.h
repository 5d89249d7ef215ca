// Which screen fonts the grid's font list offers.
#pragma once

#include <string>

namespace dovrin {

// False for symbol, right-to-left and vertical fonts and for the style variants of
// Times New Roman, Arial and Courier New; the base names themselves pass.
bool FontPassesFilter(const std::string& name);

// The family without the foundry that the platform adds in brackets when two foundries
// ship a family of the same name: "Nimbus Sans [urw]" and "Nimbus Sans [UKWN]" are both
// "Nimbus Sans". Other names come back unchanged.
std::string FamilyWithoutFoundry(const std::string& family);

// Symbol and dingbat faces, known by their names: their glyphs stand in for letters, so a
// grid drawn in one shows no Chinese at all.
bool IsSymbolFontName(const std::string& family);

}  // namespace dovrin
