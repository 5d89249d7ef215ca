// The UTF-8 helpers that every reader of files and every fixed-width view rests on.
#include <gtest/gtest.h>

#include "calendar/utf8.h"

namespace dovrin {
namespace {

TEST(Utf8, LineFeedsAndSplitting)
{
    EXPECT_EQ(WithLineFeeds("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(WithLineFeeds("a\r\nb\r"), "a\nb");  // a file cut off after its last CR
    EXPECT_EQ(WithLineFeeds("a\rb"), "a\rb");     // a lone CR inside stays
    EXPECT_EQ(ReplaceAll("a,b,,c", ",", "、"), "a、b、、c");
    EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");  // what was put in is not looked at again
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(SplitAt("a\n\nb\n", "\n"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(SplitAt("", "\n"), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitAt("国庆节 国际音乐日", " "), (std::vector<std::string>{"国庆节", "国际音乐日"}));
}

TEST(Utf8, CharactersAndWidths)
{
    EXPECT_EQ(Utf8Characters("a国\xff"), (std::vector<std::string_view>{"a", "国", "\xff"}));
    EXPECT_EQ(DisplayWidth("初一 12"), 7u);
    EXPECT_FALSE(IsValidUtf8("\xe5\x9b"));
    EXPECT_EQ(Centred("休", 5), " 休  ");
}

TEST(Utf8, PrintableQuotesWhatATerminalWouldActOn)
{
    EXPECT_EQ(Printable("端午\x1B[31m节"), "端午\\x1B[31m节");
    EXPECT_EQ(Printable("a\u202Eb\u2066c"), "a\\u202Eb\\u2066c");  // would turn the line around
    EXPECT_EQ(Printable("\xff国"), "\\xFF国");
}

TEST(Utf8, ElidedCutsAtACharacterBoundary)
{
    const auto columns = [](std::string_view text) { return static_cast<float>(DisplayWidth(text)); };
    EXPECT_EQ(Elided("世界艾滋病日", 12, columns), "世界艾滋病日");
    EXPECT_EQ(Elided("世界艾滋病日", 10, columns), "世界艾滋…");
    EXPECT_EQ(Elided("世界艾滋病日", 4, columns), "世…");
    EXPECT_EQ(Elided("国际盲人节(白手杖日)", 11, columns), "国际盲人节…");
    EXPECT_EQ(Elided("国庆节 国际音乐日", 9, columns), "国庆节…");  // no blank before the ellipsis
    EXPECT_EQ(Elided("世界", 1, columns), "…");
    EXPECT_EQ(Elided("世界", 0, columns), "");
}

}  // namespace
}  // namespace dovrin
