// One question (answers, flat copy, shuffling) and the topic list.

#include "bank/BankError.h"
#include "bank/BankRandom.h"
#include "bank/cArgomenti.h"
#include "bank/cQuesito.h"

#include "BankTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>

using Encoder::Encode;

namespace {

// A question with five distinct answers, answer 2 correct and answer 4 given.
cQuesito FiveAnswers()
{
    cQuesito q;
    q.Codice = 17;
    q.Descrizione = Encode("Domanda");
    for (int i = 1; i <= 5; ++i) q.SetRisposta(i, Encode(std::string("risposta ") + char('A' + i - 1)));
    q.RispostaCorretta = 2;
    q.RispostaData = 4;
    return q;
}

std::string Answers(const cQuesito& q)
{
    std::string s;
    for (int i = 1; i <= 5; ++i) s += q.VisualRisposta(i).empty() ? '-' : q.VisualRisposta(i).back();
    return s;
}

class Quesito : public ::testing::Test {
protected:
    void TearDown() override { BankRandom::ClearTestSeed(); }
};

}  // namespace

TEST_F(Quesito, AnswerIndexOutsideOneToFiveIsAnError)
{
    cQuesito q = FiveAnswers();
    for (const int bad : {0, 6, -1}) {
        EXPECT_THROW(q.Risposta(bad), BankError) << bad;
        EXPECT_THROW(q.SetRisposta(bad, "x"), BankError) << bad;
        EXPECT_THROW(q.VisualRisposta(bad), BankError) << bad;
    }
    EXPECT_EQ(Answers(q), "ABCDE");
}

TEST_F(Quesito, NumRisposteCountsNonEmptyAnswers)
{
    cQuesito q;
    EXPECT_EQ(q.NumRisposte(), 0);
    q.SetRisposta(1, Encode("uno"));
    q.SetRisposta(2, Encode("due"));
    q.SetRisposta(4, Encode("quattro"));
    EXPECT_EQ(q.NumRisposte(), 3);
}

TEST_F(Quesito, SerialRoundTripAndClone)
{
    auto topic = std::make_shared<cArgomento>(cArgomento{1, "Diritto"});
    cQuesito q = FiveAnswers();
    q.IDGazzetta = -12;
    q.Difficolta = 3;
    q.Brano = Encode("brano");
    q.Hint = Encode("hint");
    q.Note = Encode("note");
    q.Immagine = Encode("fig.png");
    q.SetArgomento(topic);

    const auto clone = q.GetClone();
    ASSERT_NE(clone.get(), &q);
    EXPECT_EQ(clone->Serial(), q.Serial());
    EXPECT_EQ(clone->Codice, 17);
    EXPECT_EQ(clone->Descrizione, q.Descrizione);
    EXPECT_EQ(clone->IDGazzetta, -12);
    EXPECT_EQ(clone->Difficolta, 3);
    EXPECT_EQ(clone->RispostaCorretta, 2);
    EXPECT_EQ(clone->RispostaData, 4);
    EXPECT_EQ(Answers(*clone), "ABCDE");
    // Not part of the flat copy.
    EXPECT_TRUE(clone->Brano.empty());
    EXPECT_TRUE(clone->Hint.empty());
    EXPECT_TRUE(clone->Note.empty());
    EXPECT_TRUE(clone->Immagine.empty());
    EXPECT_EQ(clone->Argomento(), nullptr);
}

TEST_F(Quesito, SerialWithMissingOrBadItemsKeepsThoseFields)
{
    cQuesito q = FiveAnswers();
    q.IDGazzetta = 5;
    q.SetSerial("99");
    EXPECT_EQ(q.Codice, 99);
    EXPECT_EQ(q.Descrizione, Encode("Domanda"));
    EXPECT_EQ(q.RispostaCorretta, 2);
    EXPECT_EQ(Answers(q), "ABCDE");
    EXPECT_EQ(q.IDGazzetta, 5);

    using namespace std::string_literals;
    q.SetSerial("x\0NEW\0tre\0 1 \0\0"s + Encode("z") + "\0\0\0\0\0abc"s);
    EXPECT_EQ(q.Codice, 99);
    EXPECT_EQ(q.Descrizione, "NEW");
    EXPECT_EQ(q.RispostaCorretta, 2);
    EXPECT_EQ(q.RispostaData, 1);
    EXPECT_EQ(q.Difficolta, 0) << "unchanged from FiveAnswers";
    EXPECT_EQ(q.VisualRisposta(1), "z");
    EXPECT_EQ(q.Risposta(2), "");
    EXPECT_EQ(q.IDGazzetta, 5);
}

TEST_F(Quesito, ShuffleOfNoneOrOneAnswerChangesNothing)
{
    for (const int n : {0, 1, -3}) {
        cQuesito q = FiveAnswers();
        q.ShuffleAnswers(n);
        EXPECT_EQ(Answers(q), "ABCDE") << n;
        EXPECT_EQ(q.RispostaCorretta, 2);
        EXPECT_EQ(q.RispostaData, 4);
    }
}

TEST_F(Quesito, ShuffleMovesAnEmptyAnswerAndLeavesHigherOnesInPlace)
{
    std::map<std::string, int> seen;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        BankRandom::SetTestSeed(seed);
        cQuesito q;
        q.SetRisposta(1, Encode("A"));
        q.SetRisposta(2, Encode("B"));
        q.SetRisposta(4, Encode("D"));
        q.RispostaCorretta = 4;
        q.RispostaData = 1;
        ASSERT_EQ(q.NumRisposte(), 3);
        q.ShuffleAnswers(q.NumRisposte());
        ++seen[Answers(q)];
        EXPECT_EQ(q.VisualRisposta(4), "D");
        EXPECT_EQ(q.RispostaCorretta, 4) << "answer 4 is not shuffled";
        EXPECT_EQ(q.VisualRisposta(q.RispostaData), "A");
    }
    // The empty answer 3 visits every position 1..3.
    EXPECT_EQ(seen.size(), 6u);
}

TEST_F(Quesito, ShuffledCorrectAndGivenAnswersFollowTheirTexts)
{
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        BankRandom::SetTestSeed(seed);
        cQuesito q = FiveAnswers();
        q.ShuffleAnswers(5);
        std::string sorted = Answers(q);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, "ABCDE");
        EXPECT_EQ(q.VisualRisposta(q.RispostaCorretta), "risposta B");
        EXPECT_EQ(q.VisualRisposta(q.RispostaData), "risposta D");
    }
    // An unanswered question stays unanswered.
    cQuesito q = FiveAnswers();
    q.RispostaData = 0;
    q.ShuffleAnswers(5);
    EXPECT_EQ(q.RispostaData, 0);
    // A count beyond five answers cannot hang the draw.
    q.ShuffleAnswers(8);
    EXPECT_EQ(q.NumRisposte(), 5);
}

TEST_F(Quesito, ShuffleIsRoughlyUniform)
{
    // 6000 shuffles of three answers: each of the six orders about 1000 times.
    std::map<std::string, int> orders;
    int correctAt[6] = {};
    for (uint32_t seed = 1; seed <= 6000; ++seed) {
        BankRandom::SetTestSeed(seed);
        cQuesito q = FiveAnswers();
        q.ShuffleAnswers(3);
        ++orders[Answers(q).substr(0, 3)];
        ++correctAt[q.RispostaCorretta];
        ASSERT_EQ(Answers(q).substr(3), "DE");
    }
    ASSERT_EQ(orders.size(), 6u);
    for (const auto& [order, n] : orders) {
        EXPECT_GT(n, 850) << order;
        EXPECT_LT(n, 1150) << order;
    }
    for (int i = 1; i <= 3; ++i) EXPECT_NEAR(correctAt[i], 2000, 200) << i;
}

// ---- Topics ----

TEST(Argomenti, AddOfAnExistingNameReturnsTheSameTopic)
{
    cArgomenti topics;
    const auto a = topics.Add("Diritto");
    const auto b = topics.Add("Logica");
    EXPECT_EQ(a->ID, 1);
    EXPECT_EQ(b->ID, 2);
    EXPECT_EQ(topics.Add("Diritto"), a);
    EXPECT_EQ(topics.Count(), 2);
    EXPECT_EQ(topics.Add("Storia")->ID, 3);
    EXPECT_EQ(topics.Item(2), b);
    EXPECT_EQ(topics.Item("Logica"), b);

    topics.Clear();
    EXPECT_EQ(topics.Count(), 0);
    EXPECT_EQ(topics.Add("Storia")->ID, 1);
}

TEST(Argomenti, ItemOfAMissingPositionOrNameIsAnError)
{
    cArgomenti topics;
    EXPECT_THROW(topics.Item(1), BankError);
    topics.Add("Diritto");
    EXPECT_THROW(topics.Item(0), BankError);
    EXPECT_THROW(topics.Item(2), BankError);
    EXPECT_THROW(topics.Item(-1), BankError);
    EXPECT_THROW(topics.Item(std::string("Storia")), BankError);
    EXPECT_THROW(topics.Item(std::string("")), BankError);
    EXPECT_EQ(topics.Find(2), nullptr);
}
