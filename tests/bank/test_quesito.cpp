// One question (answers, flat copy, shuffling) and the topic list.

#include "bank/BankError.h"
#include "bank/BankRandom.h"
#include "bank/cArgomenti.h"
#include "bank/cQuesito.h"
#include "bank/ModEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace std::string_literals;

namespace {

// Five answers "risposta A".."risposta E", B correct and D given.
cQuesito FiveAnswers()
{
    cQuesito q;
    q.Codice = 17;
    for (int i = 1; i <= 5; ++i) q.SetRisposta(i, ModEncoding::Encode("risposta "s + char('A' + i - 1)));
    q.RispostaCorretta = 2;
    q.RispostaData = 4;
    return q;
}

// The last letter of every answer, "-" for an empty one.
std::string Letters(const cQuesito& q)
{
    std::string s;
    for (int i = 1; i <= 5; ++i) s += q.VisualRisposta(i).empty() ? '-' : q.VisualRisposta(i).back();
    return s;
}

class Quesito : public ::testing::Test {
protected:
    void TearDown() override { BankRandom::ClearTestSeed(); }
};

TEST_F(Quesito, AnswerIndexOutsideOneToFiveIsAnError)
{
    cQuesito q = FiveAnswers();
    for (const int bad : {0, 6}) {
        EXPECT_THROW(q.Risposta(bad), BankError) << bad;
        EXPECT_THROW(q.SetRisposta(bad, "x"), BankError) << bad;
    }
}

TEST_F(Quesito, FlatCopyHoldsTheSerialFieldsOnly)
{
    // The serial form with "|" for its NUL separators.
    const auto serial = [](const cQuesito& q) {
        std::string s = q.Serial();
        std::replace(s.begin(), s.end(), '\0', '|');
        return s;
    };
    cQuesito q = FiveAnswers();
    for (int i = 1; i <= 5; ++i) q.SetRisposta(i, std::string(1, char('a' + i - 1)));
    q.Descrizione = "D";
    q.Difficolta = 3;
    q.IDGazzetta = -12;
    q.Brano = q.Hint = q.Note = q.Immagine = "x";
    q.SetArgomento(std::make_shared<cArgomento>(cArgomento{1, "Diritto"}));
    const auto clone = q.GetClone();
    EXPECT_EQ(serial(*clone), "17|D|2|4|3|a|b|c|d|e|-12");
    EXPECT_TRUE(clone->Brano.empty() && clone->Hint.empty() && clone->Note.empty() && clone->Immagine.empty());
    EXPECT_EQ(clone->Argomento(), nullptr);

    // Items missing or not numbers leave their fields alone.
    q.SetSerial("x\0NEW\0tre\0 1 "s);
    EXPECT_EQ(serial(q), "17|NEW|2|1|3|a|b|c|d|e|-12");
}

TEST_F(Quesito, ShuffleKeepsTheCorrectAndGivenAnswersWithTheirTexts)
{
    std::map<std::string, int> orders;
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        BankRandom::SetTestSeed(seed);
        cQuesito q = FiveAnswers();
        q.ShuffleAnswers(seed <= 100 ? 5 : 3);
        EXPECT_EQ(q.VisualRisposta(q.RispostaCorretta), "risposta B");
        EXPECT_EQ(q.VisualRisposta(q.RispostaData), "risposta D");
        std::string sorted = Letters(q);
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, "ABCDE");
        if (seed > 100) ++orders[Letters(q)];
    }
    // Three answers: only those move, each of the six orders about as often.
    ASSERT_EQ(orders.size(), 6u);
    for (const auto& [order, n] : orders) {
        EXPECT_EQ(order.substr(3), "DE");
        EXPECT_NEAR(n, 2900 / 6, 80) << order;
    }
    // Unanswered stays unanswered; no count changes nothing; a count past five cannot hang the draw.
    cQuesito q = FiveAnswers();
    q.RispostaData = 0;
    for (const int n : {0, 1}) q.ShuffleAnswers(n);
    EXPECT_EQ(Letters(q), "ABCDE");
    q.ShuffleAnswers(8);
    EXPECT_EQ(q.RispostaData, 0);
    EXPECT_EQ(q.NumRisposte(), 5);
}

TEST(Argomenti, MissingPositionsAndNamesAreErrors)
{
    cArgomenti topics;
    topics.Add("Diritto");
    EXPECT_EQ(topics.Add("Diritto"), topics.Item("Diritto"));
    for (const int bad : {0, 2}) EXPECT_THROW(topics.Item(bad), BankError) << bad;
    EXPECT_THROW(topics.Item("Storia"s), BankError);
}

}  // namespace
