// GBK decoding and record splitting, including damaged input.
#include <gtest/gtest.h>

#include "resources/reference_texts.h"

using dovrin::DecodeGbk;
using dovrin::SplitRecords;

TEST(SplitRecords, SplitsAtCrLfOnly)
{
    EXPECT_EQ(SplitRecords("a\r\nb\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitRecords("a\nb\rc\r\nd"), (std::vector<std::string>{"a\nb\rc", "d"}));
    EXPECT_EQ(SplitRecords("a\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitRecords(""), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitRecords("\r\n\r\n"), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(SplitRecords("\n\r\r\n"), (std::vector<std::string>{"\n\r", ""}));
}

TEST(DecodeGbk, DecodesChineseAndAscii)
{
    // 中文 in GBK is D6 D0 CE C4; 馬 is F1 52.
    const auto result = DecodeGbk("\xD6\xD0\xCE\xC4 ok \xF1\x52");
    EXPECT_EQ(result.text, "中文 ok 馬");
    EXPECT_EQ(result.damaged, 0u);
}

TEST(DecodeGbk, MarksDamagedBytesAndKeepsEveryRecord)
{
    // A lead byte cut short at the end of a record, and a byte GBK never uses.
    const auto result = DecodeGbk("\xD6\xD0\xD6\r\n\xFF\xCE\xC4\r\nend\xD6");
    EXPECT_GE(result.damaged, 3u);
    const auto records = SplitRecords(result.text);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].substr(0, 3), "中");
    EXPECT_NE(records[0].find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_EQ(records[1], "\xEF\xBF\xBD文");
    EXPECT_EQ(records[2], "end\xEF\xBF\xBD");
}

TEST(ResourceBytes, OnlyTheSixNumbersExist)
{
    EXPECT_TRUE(dovrin::ResourceBytes(100).empty());
    EXPECT_TRUE(dovrin::ResourceBytes(107).empty());
    for (int number = 101; number <= 106; ++number) EXPECT_FALSE(dovrin::ResourceBytes(number).empty()) << number;
}
