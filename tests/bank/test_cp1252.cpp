#include "bank/Cp1252.h"

#include <gtest/gtest.h>

namespace {

const std::string Undefined = "\x81\x8D\x8F\x90\x9D";

TEST(Cp1252, EveryDefinedByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (Undefined.find(static_cast<char>(b)) == std::string::npos) all.push_back(static_cast<char>(b));
    const auto back = Cp1252::FromUtf8(Cp1252::ToUtf8(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, TheWindowsRangeMapsToItsOwnCharacters)
{
    EXPECT_EQ(Cp1252::ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252::ToUtf8("\x85\x93\x94"), "…“”");
    EXPECT_EQ(Cp1252::ToUtf8("\xE8\xE0"), "èà");
    EXPECT_EQ(Cp1252::FromUtf8("€ è ’"), std::string("\x80 \xE8 \x92"));
    // Bytes the code page leaves undefined show as the replacement character.
    EXPECT_EQ(Cp1252::ToUtf8("\x81"), "\xEF\xBF\xBD");
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHoldAndSaysWhere)
{
    size_t bad = 99;
    EXPECT_FALSE(Cp1252::FromUtf8("ab☃c", &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(Cp1252::FromUtf8("Ω", &bad));         // Greek, not in Windows-1252
    EXPECT_FALSE(Cp1252::FromUtf8("\xC2\x80", &bad));  // U+0080 is not "€"
    EXPECT_FALSE(Cp1252::FromUtf8("ok \xE8", &bad));   // Latin-1 byte, not UTF-8
    EXPECT_EQ(bad, 3u);
    EXPECT_FALSE(Cp1252::FromUtf8("\xE2\x82", &bad));  // truncated sequence
    EXPECT_FALSE(Cp1252::FromUtf8("😀", &bad));
    EXPECT_FALSE(Cp1252::FromUtf8("\xC0\xAF", &bad));  // overlong "/"
    // Typed text cp1252 cannot hold does not break the file it goes to.
    EXPECT_EQ(Cp1252::FromUtf8Lenient("a\u4E2Db \xE8 €"), "a?b ? \x80");
}

}  // namespace
