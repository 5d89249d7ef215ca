// The font list filter: exclusion list, prefix rules and letter case.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "main_window/font_filter.h"

namespace {

using dovrin::FamilyWithoutFoundry;
using dovrin::FontPassesFilter;
using dovrin::IsSymbolFontName;

struct FontCase {
    const char* name;
    bool listed;
};

TEST(FontFilter, BaseNamesStayAndTheirVariantsLeave)
{
    const std::vector<FontCase> cases = {
        {"Arial", true},
        {"Times New Roman", true},
        {"Courier New", true},
        {"ARIAL", true},
        {"Arial Black", false},
        {"Arial Narrow", false},
        {"arialuni", false},
        {"Times New Roman Baltic", false},
        {"Courier New CE", false},
        {"Aria", true},
    };
    for (const FontCase& c : cases) EXPECT_EQ(FontPassesFilter(c.name), c.listed) << c.name;
}

TEST(FontFilter, ExclusionListIgnoresLetterCase)
{
    const std::vector<FontCase> cases = {
        {"WINGDINGS", false},
        {"Wingdings 2", false},
        {"Symbol", false},
        {"sYmBoL", false},
        {"PMingLiU", false},
        {"PMingLiU-ExtB", false},
        {"MS UI Gothic", false},
        {"David", false},
        {"Bookshelf Symbol 7", false},
        {"Symbol Neu", true},       // the list compares whole names
        {"PMingLiU_HKSCS", true},   // neither on the list nor under a prefix rule
        {"Davidson", true},
    };
    for (const FontCase& c : cases) EXPECT_EQ(FontPassesFilter(c.name), c.listed) << c.name;
}

TEST(FontFilter, MingLiuAndVerticalFontsAlwaysLeave)
{
    const std::vector<FontCase> cases = {
        {"MingLiU", false},
        {"mingliu_hkscs", false},
        {"MINGLIU-ExtB", false},
        {"@宋体", false},
        {"@Noto Sans CJK SC", false},
        {"@", false},
        {"宋体", true},
        {"Noto Sans CJK SC", true},
        {"DejaVu Sans", true},
        {"", true},
    };
    for (const FontCase& c : cases) EXPECT_EQ(FontPassesFilter(c.name), c.listed) << c.name;
}

TEST(FontFilter, FoundryVariantsShareOneNameAndSymbolFacesAreKnownByWholeWords)
{
    EXPECT_EQ(FamilyWithoutFoundry("Nimbus Sans [urw]"), "Nimbus Sans");
    EXPECT_EQ(FamilyWithoutFoundry("Nimbus Sans [URW ]"), "Nimbus Sans");
    EXPECT_EQ(FamilyWithoutFoundry("AR PL UMing CN"), "AR PL UMing CN");
    EXPECT_EQ(FamilyWithoutFoundry("Odd [Name] Sans"), "Odd [Name] Sans");
    EXPECT_EQ(FamilyWithoutFoundry("[urw]"), "[urw]");

    const std::vector<std::pair<const char*, bool>> symbols = {
        {"Standard Symbols PS [urw]", true}, {"D050000L", true},   {"Dingbats", true},
        {"OpenSymbol", false},  // one word: left to the coverage test
        {"Noto Sans CJK SC", false},         {"AR PL UMing CN", false},
    };
    for (const auto& [name, symbol] : symbols) EXPECT_EQ(IsSymbolFontName(name), symbol) << name;
}

}  // namespace
