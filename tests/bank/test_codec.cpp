// The stored form of question texts, and how a decoded text is cleaned for display.

#include "bank/cQuesito.h"
#include "bank/ModEncoding.h"

#include "BankTestSupport.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>

using Encoder::Encode;
using ModEncoding::Decode;
using ModEncoding::DecodeGroup;

namespace {

std::string AllBytes()
{
    std::string s;
    for (int c = 1; c <= 255; ++c) s.push_back(static_cast<char>(c));
    return s;
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

}  // namespace

TEST(Codec, EveryByteComesBackFromItsStoredForm)
{
    const std::string all = AllBytes();  // 255 characters: whole groups, no pad
    const std::string stored = Encode(all);
    ASSERT_EQ(stored.size(), 425u);
    EXPECT_TRUE(std::all_of(stored.begin(), stored.end(),
                            [](char c) { return ModEncoding::CodecAlphabet.find(c) != std::string_view::npos; }));
    EXPECT_EQ(Decode(stored), all);

    // Every byte in every position of a group.
    for (int c = 1; c <= 255; ++c) {
        const char b = static_cast<char>(c);
        const std::string t{b, 'x', b, b, b, 'y'};
        EXPECT_EQ(Decode(Encode(t)), t) << c;
    }
}

TEST(Codec, LastGroupIsPaddedWithBlanks)
{
    EXPECT_EQ(Decode(""), "");
    EXPECT_EQ(Decode(Encode("a")), "a  ");
    EXPECT_EQ(Decode(Encode("ab")), "ab ");
    EXPECT_EQ(Decode(Encode("abcd")), "abcd  ");
    EXPECT_EQ(Encode("abcd").size(), 10u);
}

TEST(Codec, WorkedNumber)
{
    // "abc" = 6382179 = digits 3, 19, 24, 2, 6, least significant first.
    EXPECT_EQ(DecodeGroup("2PYMD"), 6382179u);
    EXPECT_EQ(Decode("2PYMD"), "abc");
    EXPECT_EQ(Encode("abc"), "2PYMD");
}

TEST(Codec, SeparatorsCaseAndTrailingPartialGroup)
{
    const std::string text = "Qual \xE8 la capitale d'Italia?";
    const std::string stored = Encode(text);
    std::string dashed;
    for (size_t i = 0; i < stored.size(); i += 5) dashed += (i ? "-" : "") + stored.substr(i, 5);
    EXPECT_EQ(Decode(dashed), Decode(stored));
    EXPECT_EQ(Decode("-" + stored + "--"), Decode(stored));
    EXPECT_EQ(Decode(Lower(stored)), Decode(stored));

    // Seven characters: the first group only.
    EXPECT_EQ(Decode(Encode("abc") + "Q7"), "abc");
    EXPECT_EQ(Decode("Q7M2"), "");
    // A separator inside a group does not break it.
    EXPECT_EQ(Decode("2P-YMD"), "abc");
}

TEST(Codec, DamagedTextNeverThrows)
{
    // Characters outside the alphabet, bytes above 127, NULs.
    const std::string damaged[] = {"!!!!!", "2PY?D", std::string("\0\0\0\0\0", 5), "\xE8\xE9\xFF\x80\x85",
                                   "iiiii", "     "};
    for (const auto& d : damaged) {
        std::string out;
        EXPECT_NO_THROW(out = Decode(d)) << d;
        EXPECT_EQ(out.size(), 3u);
    }
    // A fifth digit of 8 or more: codes above 127 and above 255 in the first character;
    // the other two characters are intact.
    for (const size_t digit : {8u, 15u, 16u, 31u}) {
        const std::string group = Encode("abc").substr(0, 4) + ModEncoding::CodecAlphabet[digit];
        std::string out;
        EXPECT_NO_THROW(out = Decode(group + Encode("xyz"))) << digit;
        ASSERT_EQ(out.size(), 6u);
        EXPECT_EQ(out.substr(1), "bcxyz");
    }
}

// ---- Display cleaning, through the Visual… getters ----

namespace {

std::string Shown(std::string_view plain)
{
    cQuesito q;
    q.Descrizione = Encode(plain);
    return q.VisualDescrizione();
}

}  // namespace

TEST(DisplayCleaning, EveryEntityBecomesItsCharacter)
{
    const std::pair<const char*, const char*> table[] = {
        {"&alpha;", "alfa"},      {"&beta;", "beta"},       {"&gamma;", "gamma"},     {"&delta;", "delta"},
        {"&iquest;", "\xBF"},     {"&iexcl;", "\xA1"},      {"&laquo;", "\xAB"},      {"&raquo;", "\xBB"},
        {"&sect;", "\xA7"},       {"&szlig;", "\xDF"},      {"&yen;", "\xA5"},        {"&times;", "\xD7"},
        {"&divide;", "\xF7"},     {"&plusmn;", "\xB1"},     {"&deg;", "\xB0"},        {"&middot;", "\xB7"},
        {"&sup1;", "\xB9"},       {"&sup2;", "\xB2"},       {"&sup3;", "\xB3"},       {"&gt;", ">"},
        {"&lt;", "<"},            {"&le;", "<="},           {"&ge;", ">="},           {"&ne;", "<>"},
        {"&infin;", "[infinito]"}, {"&amp;", "&"},          {"&pound;", "\xA3"},      {"&pi;", "[pi greco]"},
        {"&euro;", "\x80"},       {"&#36;", "$"},           {"&#64;", "@"},           {"&copy;", "\xA9"},
        {"&rarr;", "-->"},        {"&lambda;", "[lambda]"}, {"&sigma;", "[sigma]"},   {"&xi;", "[xi]"},
        {"&psi;", "[psi]"},
    };
    for (const auto& [entity, shown] : table) {
        EXPECT_EQ(Shown(std::string("x ") + entity + " y"), std::string("x ") + shown + " y") << entity;
        // Entities match in any letter case.
        EXPECT_EQ(Shown(Upper(entity)), shown) << entity;
    }
    EXPECT_EQ(Shown("10 &EURO; e 5 &Pound;"), "10 \x80 e 5 \xA3");
    EXPECT_EQ(Shown("&ALPHA;&Beta;"), "alfabeta");
}

TEST(DisplayCleaning, ReplacementsApplyInOrder)
{
    // "&lt;" is handled before "&amp;", "&euro;" and "&pi;" after it.
    EXPECT_EQ(Shown("&amp;lt;"), "&lt;");
    EXPECT_EQ(Shown("&amp;euro;"), "\x80");
    EXPECT_EQ(Shown("&amp;pi;"), "[pi greco]");
    // Blanks collapse before "<br>" becomes a line break, and after "<i>" is removed.
    EXPECT_EQ(Shown("a  <br>  b"), "a \r\n b");
    EXPECT_EQ(Shown("a <i> b"), "a b");
    EXPECT_EQ(Shown("1  &lt;  2"), "1 < 2");
}

TEST(DisplayCleaning, MarkupBlanksQuotesAndTrimming)
{
    EXPECT_EQ(Shown("<u>nulla</u>   &foo; resta"), "<<nulla>> &foo; resta");
    EXPECT_EQ(Shown("<U>A</U> e <u>b</U>"), "<<A>> e <<b>>");
    EXPECT_EQ(Shown("<i>Nota</i>testo"), "Nota\r\ntesto");
    EXPECT_EQ(Shown("<I>Nota</I>testo"), "Nota\r\ntesto");
    EXPECT_EQ(Shown("riga<br>riga<BR>riga<Br>"), "riga\r\nriga\r\nriga\r\n");
    EXPECT_EQ(Shown("a     b      c"), "a b c");
    EXPECT_EQ(Shown("e cos\xEC via\x85"), "e cos\xEC via...");
    EXPECT_EQ(Shown("\x93" "citazione" "\x94"), "\"citazione\"");
    EXPECT_EQ(Shown("   testo   "), "testo");
    EXPECT_EQ(Shown(""), "");
    EXPECT_EQ(Shown("&unknown; &amp"), "&unknown; &amp");
    // Accented letters pass through unchanged.
    EXPECT_EQ(Shown("perch\xE9 \xE0 \xF2"), "perch\xE9 \xE0 \xF2");
}

TEST(DisplayCleaning, EveryGetterShowsItsOwnField)
{
    cQuesito q;
    q.Descrizione = Encode(" domanda ");
    q.Note = Encode("nota&deg;");
    q.Hint = Encode("<i>spiegazione</i>");
    q.Brano = Encode("brano  lungo");
    for (int i = 1; i <= 5; ++i) q.SetRisposta(i, Encode("risposta " + std::to_string(i) + "  "));
    EXPECT_EQ(q.VisualDescrizione(), "domanda");
    EXPECT_EQ(q.VisualNote(), "nota\xB0");
    EXPECT_EQ(q.VisualHint(), "spiegazione\r\n");
    EXPECT_EQ(q.VisualBrano(), "brano lungo");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(q.VisualRisposta(i), "risposta " + std::to_string(i));
}
