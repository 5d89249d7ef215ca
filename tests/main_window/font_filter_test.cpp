// The font list filter: exclusion list, prefix rules and letter case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/font_filter.h"

namespace {

using dovrin::FontPassesFilter;

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

}  // namespace
