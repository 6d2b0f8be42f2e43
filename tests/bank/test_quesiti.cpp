// Question sets: access, filters, answers of the whole set, random draws and the sorters.

#include "bank/BankError.h"
#include "bank/BankRandom.h"
#include "bank/cArgomenti.h"
#include "bank/cEsaSorter.h"
#include "bank/cQuesiti.h"
#include "bank/cRecordBase.h"
#include "bank/cTRSorter.h"

#include "BankTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

using Encoder::Encode;

namespace {

std::vector<int> Codes(const cQuesiti& set)
{
    std::vector<int> codes;
    for (const auto& q : set) codes.push_back(q->Codice);
    return codes;
}

std::vector<int> Sorted(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

using V = std::vector<int>;

class Quesiti : public ::testing::Test {
protected:
    // Codice: gazette number, topic ID (0 = none), difficulty.
    void SetUp() override
    {
        for (const char* name : {"T1", "T2", "T3", "T4", "T5"}) topics.Add(name);
        const int rows[][4] = {{1, 1, 1, 1}, {2, 2, 1, 9}, {3, 3, 2, 2}, {4, 4, 3, 3},
                               {5, 5, 5, 1}, {6, 0, 0, 2}, {7, 7, 2, 9}};
        for (const auto& r : rows) {
            auto q = all.Add(r[0]);
            q->IDGazzetta = r[1];
            if (r[2]) q->SetArgomento(topics.Item(r[2]));
            q->Difficolta = r[3];
            for (int i = 1; i <= 4; ++i) q->SetRisposta(i, Encode(std::string(1, char('A' + i - 1))));
            q->RispostaCorretta = 1;
        }
    }
    void TearDown() override { BankRandom::ClearTestSeed(); }

    cArgomenti topics;
    cQuesiti all;
};

}  // namespace

TEST_F(Quesiti, ItemsByPositionAndKey)
{
    EXPECT_EQ(all.Item(1)->Codice, 1);
    EXPECT_EQ(all.Item(7)->Codice, 7);
    EXPECT_EQ(all.Item("cod7"), all.Item(7));
    EXPECT_EQ(all.Item("COD7"), all.Item(7));
    EXPECT_EQ(all.ItemByCodice(3), all.Item(3));
    EXPECT_EQ(all.ItemByCodice(99), nullptr);
    for (const char* bad : {"cod99", "cod07", "7", "cod", "", "cod 7", "code7"})
        EXPECT_THROW(all.Item(std::string(bad)), BankError) << bad;
    EXPECT_THROW(all.Item(0), BankError);
    EXPECT_THROW(all.Item(8), BankError);
}

TEST_F(Quesiti, DuplicateCodiceIsRefused)
{
    const auto first = all.Item(3);
    EXPECT_THROW(all.Add(3), BankError);
    auto other = std::make_shared<cQuesito>();
    other->Codice = 3;
    EXPECT_THROW(all.AddObject(other), BankError);
    EXPECT_EQ(all.Count(), 7);
    EXPECT_EQ(all.Item("cod3"), first);
    EXPECT_EQ(all.Item(3), first);
    // The failed add left the set usable.
    EXPECT_EQ(all.Add(8)->Codice, 8);
    EXPECT_EQ(all.Item(8)->Codice, 8);

    all.NumRisposte = 5;
    all.Clear();
    EXPECT_EQ(all.Count(), 0);
    EXPECT_EQ(all.ItemByCodice(3), nullptr);
    EXPECT_EQ(all.NumRisposte, 5);
    EXPECT_EQ(all.Add(3)->Codice, 3);
}

TEST_F(Quesiti, FirstN)
{
    EXPECT_EQ(Codes(*all.GetFirstN(0)), V{});
    EXPECT_EQ(Codes(*all.GetFirstN(-2)), V{});
    EXPECT_EQ(Codes(*all.GetFirstN(3)), (V{1, 2, 3}));
    EXPECT_EQ(Codes(*all.GetFirstN(7)), Codes(all));
    EXPECT_EQ(Codes(*all.GetFirstN(100)), Codes(all));
    // The new set shares the question objects and can be looked up by key.
    const auto first = all.GetFirstN(2);
    EXPECT_EQ(first->Item(2), all.Item(2));
    EXPECT_EQ(first->Item("cod2"), all.Item(2));
    EXPECT_EQ(first->ItemByCodice(3), nullptr);
}

TEST_F(Quesiti, Filters)
{
    EXPECT_EQ(Codes(*all.EliminaQuesitiAnnullati()), (V{1, 3, 4, 5, 6}));

    EXPECT_EQ(Codes(*all.GetRangeGazzetta(1, 0)), (V{1, 3, 4, 5}));
    EXPECT_EQ(Codes(*all.GetRangeGazzetta(3, 5)), (V{3, 4, 5}));
    EXPECT_EQ(Codes(*all.GetRangeGazzetta(4, -1)), (V{4, 5}));
    EXPECT_EQ(Codes(*all.GetRangeGazzetta(0, 0)), (V{1, 3, 4, 5, 6}));
    EXPECT_EQ(Codes(*all.GetRangeGazzetta(6, 5)), V{});

    EXPECT_EQ(Codes(*all.FilterByRangeIDGazzetta(2, 7)), (V{2, 3, 4, 5, 7}));
    EXPECT_EQ(Codes(*all.FilterByRangeIDGazzetta(7, 7)), V{7});

    EXPECT_EQ(Codes(*all.FilterByRangeArgomenti(2, 3, 0)), (V{3, 4, 7}));
    EXPECT_EQ(Codes(*all.FilterByRangeArgomenti(0, -1, 5)), V{5});
    EXPECT_EQ(Codes(*all.FilterByRangeArgomenti(1, 1, 5)), (V{1, 2, 5}));
    EXPECT_EQ(Codes(*all.FilterByRangeArgomenti(4, 4, 0)), V{});

    EXPECT_EQ(Codes(*all.FilterByArgomento(topics.Item(2))), (V{3, 7}));
    // The very topic object, not one that looks the same.
    const auto lookalike = std::make_shared<cArgomento>(*topics.Item(2));
    EXPECT_EQ(Codes(*all.FilterByArgomento(lookalike)), V{});
    EXPECT_EQ(Codes(*all.FilterByArgomento(nullptr)), V{});

    // Chained filters share objects; the receiver is unchanged.
    const auto chained = all.FilterByRangeArgomenti(1, 3, 0)->EliminaQuesitiAnnullati()->GetFirstN(2);
    EXPECT_EQ(Codes(*chained), (V{1, 3}));
    EXPECT_EQ(chained->Item(2), all.Item(3));
    EXPECT_EQ(all.Count(), 7);
}

TEST_F(Quesiti, GivenAnswersOfTheWholeSet)
{
    const auto three = all.GetFirstN(3);
    EXPECT_EQ(three->RisposteDate(), "000");
    three->SetRisposteDate("201");
    EXPECT_EQ(three->RisposteDate(), "201");
    EXPECT_EQ(all.Item(1)->RispostaData, 2) << "shared with the full set";
    three->SetRisposteDate("3454");  // extra digits are ignored
    EXPECT_EQ(three->RisposteDate(), "345");

    for (const char* bad : {"12", "", "1x3", "1 3", "12-"}) {
        EXPECT_THROW(three->SetRisposteDate(bad), BankError) << bad;
        EXPECT_EQ(three->RisposteDate(), "345") << "nothing changed by " << bad;
    }
    cQuesiti empty;
    EXPECT_NO_THROW(empty.SetRisposteDate(""));
    EXPECT_EQ(empty.RisposteDate(), "");
}

TEST_F(Quesiti, RightAnswersAreCountedOnlyWhenGiven)
{
    const auto three = all.GetFirstN(3);  // all with RispostaCorretta 1
    EXPECT_EQ(three->RisposteCorrette(), "111");
    EXPECT_EQ(three->NumRisposteEsatte(), 0);
    three->SetRisposteDate("102");
    EXPECT_EQ(three->NumRisposteEsatte(), 1);
    three->SetRisposteDate("111");
    EXPECT_EQ(three->NumRisposteEsatte(), 3);
    // A question without a correct answer, left unanswered, is not a right answer.
    three->Item(2)->RispostaCorretta = 0;
    three->SetRisposteDate("101");
    EXPECT_EQ(three->NumRisposteEsatte(), 2);
}

TEST_F(Quesiti, RisposteCorretteFixPutsTheCorrectAnswerBack)
{
    const auto three = all.GetFirstN(3);
    three->SetRisposteDate("201");  // question 2 unanswered
    three->RisposteCorretteFix("331");
    const auto& q1 = *three->Item(1);
    EXPECT_EQ(q1.RispostaCorretta, 3);
    EXPECT_EQ(q1.VisualRisposta(3), "A");
    EXPECT_EQ(q1.VisualRisposta(1), "C");
    EXPECT_EQ(q1.VisualRisposta(2), "B");
    // Unanswered: left alone, even though the digit differs.
    EXPECT_EQ(three->Item(2)->RispostaCorretta, 1);
    EXPECT_EQ(three->Item(2)->VisualRisposta(1), "A");
    // Same digit: nothing to swap.
    EXPECT_EQ(three->Item(3)->VisualRisposta(1), "A");
    EXPECT_EQ(three->RisposteCorrette(), "311");

    EXPECT_THROW(three->RisposteCorretteFix("3"), BankError);
    EXPECT_THROW(three->GetFirstN(1)->RisposteCorretteFix("7"), BankError) << "no answer 7";
}

TEST_F(Quesiti, ShuffleOfTheSetUsesEachQuestionsOwnAnswers)
{
    auto two = all.Item(1);
    two->SetRisposta(3, "");
    two->SetRisposta(4, "");
    auto five = all.Item(3);
    five->SetRisposta(5, Encode("E"));
    bool fifthMoved = false;
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        BankRandom::SetTestSeed(seed);
        all.ShuffleAnswers();
        EXPECT_TRUE(two->Risposta(3).empty() && two->Risposta(4).empty() && two->Risposta(5).empty());
        EXPECT_EQ(two->VisualRisposta(two->RispostaCorretta), "A");
        EXPECT_EQ(five->VisualRisposta(five->RispostaCorretta), "A");
        fifthMoved = fifthMoved || five->VisualRisposta(5) != "E";
    }
    EXPECT_TRUE(fifthMoved);
}

// ---- Random draws ----

TEST_F(Quesiti, DrawIsAPermutationWithoutCancelledQuestions)
{
    std::set<V> orders;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        BankRandom::SetTestSeed(seed);
        const auto drawn = all.GetRandomized(nullptr);
        EXPECT_EQ(Sorted(Codes(*drawn)), (V{1, 3, 4, 5, 6}));
        for (const auto& q : *drawn) EXPECT_EQ(q, all.ItemByCodice(q->Codice)) << "same objects";
        EXPECT_EQ(drawn->Item("cod4"), all.Item(4));
        orders.insert(Codes(*drawn));
    }
    EXPECT_GT(orders.size(), 10u);
    EXPECT_EQ(all.Count(), 7);
    EXPECT_EQ(Codes(*cQuesiti().GetRandomized(nullptr)), V{});
}

TEST_F(Quesiti, DrawIsRoughlyUniform)
{
    const auto two = all.GetFirstN(3)->EliminaQuesitiAnnullati();  // codes 1 and 3
    std::map<int, int> first;
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        BankRandom::SetTestSeed(seed);
        ++first[two->GetRandomized(nullptr)->Item(1)->Codice];
    }
    EXPECT_NEAR(first[1], 1000, 120);
    EXPECT_NEAR(first[3], 1000, 120);
}

// ---- Sorters against a real statistics file ----

namespace {

class Sorters : public Quesiti {
protected:
    void SetUp() override
    {
        Quesiti::SetUp();
        // Codice 8 cancelled but marked wrong; 9 lies past the end of the statistics file.
        all.Add(8)->Difficolta = 9;
        all.Add(9)->IDGazzetta = 9;
        store = std::make_shared<cRecordBase>();
        ASSERT_TRUE(store->CreateNew(dir / "bank.dat.rec"));
        // Codice: views, wrong, mark.
        const int stats[][3] = {{5, 0, 0}, {0, 0, 0}, {3, 2, 2}, {1, 0, 1}, {2, 5, 2},
                                {0, 0, 0}, {9, 2, 2}, {4, 4, 2}};
        for (int i = 0; i < 8; ++i) {
            cRecordSpec r;
            r.nVisualizzate = stats[i][0];
            r.nSbagliate = stats[i][1];
            r.bnUltimoEsito = stats[i][2];
            r.nEsatte = 1;
            ASSERT_TRUE(store->WriteRecord(i + 1, r));
        }
        // 7 takes part here: marked wrong, with many views.
        all.ItemByCodice(7)->Difficolta = 2;
    }

    // The draw as groups of equal keys: within a group the order is random.
    V Draw(cTRSorter& sorter, uint32_t seed)
    {
        BankRandom::SetTestSeed(seed);
        return Codes(*all.GetRandomized(&sorter));
    }

    static void ExpectGroups(const V& got, const std::vector<V>& groups)
    {
        size_t at = 0;
        for (const auto& g : groups) {
            ASSERT_LE(at + g.size(), got.size()) << ::testing::PrintToString(got);
            EXPECT_EQ(Sorted(V(got.begin() + at, got.begin() + at + g.size())), Sorted(g))
                << ::testing::PrintToString(got);
            at += g.size();
        }
        EXPECT_EQ(at, got.size()) << ::testing::PrintToString(got);
    }

    banktest::TempDir dir;
    std::shared_ptr<cRecordBase> store;
};

}  // namespace

TEST_F(Sorters, FewestViewsFirstWithRandomTies)
{
    cTRSorter sorter;
    sorter.RecordBase = store;
    std::set<V> tieOrders;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        const V got = Draw(sorter, seed);
        ExpectGroups(got, {{6, 9}, {4}, {5}, {3}, {1}, {7}});
        tieOrders.insert(V(got.begin(), got.begin() + 2));
    }
    EXPECT_EQ(tieOrders.size(), 2u) << "ties broken at random";
}

TEST_F(Sorters, WrongAnswersFirst)
{
    cTRSorter sorter;
    sorter.RecordBase = store;
    sorter.PrimaErrate = true;
    for (uint32_t seed = 1; seed <= 10; ++seed)
        ExpectGroups(Draw(sorter, seed), {{5}, {3}, {7}, {6, 9}, {4}, {1}});
}

TEST_F(Sorters, OnlyWrongAnswers)
{
    cTRSorter sorter;
    sorter.RecordBase = store;
    sorter.SoloErrate = true;
    EXPECT_EQ(Draw(sorter, 1), (V{5, 3, 7}));
    sorter.PrimaErrate = true;
    EXPECT_EQ(Draw(sorter, 2), (V{5, 3, 7}));

    // No question marked wrong: nothing to practise.
    for (int codice = 1; codice <= 8; ++codice) {
        cRecordSpec r = store->ReadRecord(codice);
        r.bnUltimoEsito = r.bnUltimoEsito == 2 ? 1 : r.bnUltimoEsito;
        store->WriteRecord(codice, r);
    }
    EXPECT_EQ(Draw(sorter, 3), V{});
}

TEST_F(Sorters, ClosedStoreReadsAsNeverShown)
{
    cTRSorter sorter;
    store->CloseRecordBase();
    sorter.RecordBase = store;
    EXPECT_EQ(Sorted(Draw(sorter, 1)), (V{1, 3, 4, 5, 6, 7, 9}));
    sorter.RecordBase.reset();
    EXPECT_EQ(Sorted(Draw(sorter, 2)), (V{1, 3, 4, 5, 6, 7, 9}));
    sorter.SoloErrate = true;
    EXPECT_EQ(Draw(sorter, 3), V{});
}

TEST_F(Sorters, ExamEntryByTopicAndDifficulty)
{
    auto draw = [&](int topic, int difficulty) {
        cEsaSorter sorter;
        sorter.SetEsame.IDArgomento = topic;
        sorter.SetEsame.Difficolta = difficulty;
        sorter.SetEsame.NumeroDomande = 50;
        return Sorted(Codes(*all.GetRandomized(&sorter)));
    };
    EXPECT_EQ(draw(0, 0), (V{1, 3, 4, 5, 6, 7, 9}));
    EXPECT_EQ(draw(2, 0), (V{3, 7}));
    EXPECT_EQ(draw(0, 1), (V{1, 5}));
    EXPECT_EQ(draw(2, 2), (V{3, 7}));
    EXPECT_EQ(draw(1, 1), V{1});
    EXPECT_EQ(draw(1, 3), V{});
    EXPECT_EQ(draw(4, 0), V{});
}
