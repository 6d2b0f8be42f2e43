#include "bank/Cp1252.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <optional>

namespace {

// One byte as glibc's own CP1252 converter reads it; nothing where it has no character.
std::optional<std::string> IconvToUtf8(char byte)
{
    const iconv_t cd = iconv_open("UTF-8", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char out[8];
    char* in = &byte;
    char* to = out;
    size_t inLeft = 1, outLeft = sizeof out;
    const bool ok = iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return std::string(out, static_cast<size_t>(to - out));
}

TEST(Cp1252, EveryByteIsTheCharacterGlibcSays)
{
    ASSERT_TRUE(IconvToUtf8('A')) << "glibc knows CP1252";
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const auto expected = IconvToUtf8(byte);
        // The bytes the code page leaves undefined show as the replacement character.
        EXPECT_EQ(Cp1252::ToUtf8(std::string(1, byte)), expected.value_or("\xEF\xBF\xBD")) << "byte " << b;
        if (expected) {
            EXPECT_EQ(Cp1252::FromUtf8(*expected), std::string(1, byte)) << "byte " << b;
        }
    }
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHoldAndSaysWhere)
{
    size_t bad = 99;
    EXPECT_EQ(Cp1252::FromUtf8("€ è ’"), std::string("\x80 \xE8 \x92"));
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
