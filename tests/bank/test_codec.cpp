// The stored form of question texts, and how a decoded text is cleaned for display.

#include "bank/cQuesito.h"
#include "bank/ModEncoding.h"

#include "support/Files.h"

#include "tools/Encoder.h"

#include <gtest/gtest.h>

#include <algorithm>

using Encoder::Encode;
using ModEncoding::Decode;
using support::Fixtures::Source;

TEST(Codec, EveryByteInEveryPositionComesBackFromItsStoredForm)
{
    std::string all;
    for (int c = 1; c <= 255; ++c) all += std::string(3, static_cast<char>(c)) + "x";
    const std::string stored = Encode(all);
    EXPECT_TRUE(std::all_of(stored.begin(), stored.end(),
                            [](char c) { return ModEncoding::CodecAlphabet.find(c) != std::string_view::npos; }));
    EXPECT_EQ(Decode(stored), all);
    // The last group is padded with blanks.
    EXPECT_EQ(Encode("abcd").size(), 10u);
    EXPECT_EQ(Decode(Encode("abcd")), "abcd  ");
}

class StoredText : public ::testing::TestWithParam<support::TableRow> {};

TEST_P(StoredText, DecodesAsTheTableSays)
{
    const auto& row = GetParam().cells;
    EXPECT_EQ(Decode(row.at(0)), row.at(1)) << row[0];
}

INSTANTIATE_TEST_SUITE_P(Codec, StoredText, ::testing::ValuesIn(support::TableRows(Source("codec/decode.tsv"))),
                         support::RowName);

class DisplayText : public ::testing::TestWithParam<support::TableRow> {};

TEST_P(DisplayText, ShowsAsTheTableSays)
{
    const auto& row = GetParam().cells;
    cQuesito q;
    q.Descrizione = Encode(row.at(0));
    EXPECT_EQ(q.VisualDescrizione(), row.at(1)) << row[0];
}

INSTANTIATE_TEST_SUITE_P(DisplayCleaning, DisplayText,
                         ::testing::ValuesIn(support::TableRows(Source("codec/display.tsv"))), support::RowName);

TEST(DisplayCleaning, EveryGetterShowsItsOwnField)
{
    cQuesito q;
    q.Note = Encode("nota&deg;");
    q.Hint = Encode("<i>spiegazione</i>");
    q.Brano = Encode("brano  lungo");
    for (int i = 1; i <= 5; ++i) q.SetRisposta(i, Encode("risposta " + std::to_string(i) + "  "));
    EXPECT_EQ(q.VisualNote(), "nota\xB0");
    EXPECT_EQ(q.VisualHint(), "spiegazione\r\n");
    EXPECT_EQ(q.VisualBrano(), "brano lungo");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(q.VisualRisposta(i), "risposta " + std::to_string(i));
}
