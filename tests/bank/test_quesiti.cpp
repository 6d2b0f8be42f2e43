// Question sets: access, filters, the answers of the whole set, random draws and the sorters.

#include "bank/BankError.h"
#include "bank/BankRandom.h"
#include "bank/cArgomenti.h"
#include "bank/cEsaSorter.h"
#include "bank/cQuesiti.h"
#include "bank/cRecordBase.h"
#include "bank/cTRSorter.h"

#include "support/ProgramTest.h"

#include "tools/Encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

namespace {

using V = std::vector<int32_t>;

V Codes(const cQuesiti& set)
{
    V codes;
    for (const auto& q : set) codes.push_back(q->Codice);
    return codes;
}

V Sorted(V v)
{
    std::sort(v.begin(), v.end());
    return v;
}

class Quesiti : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"T1", "T2", "T3", "T4", "T5"}) topics.Add(name);
        // Codice, gazette number, topic (0 = none), difficulty (9 = cancelled).
        const int rows[][4] = {{1, 1, 1, 1}, {2, 2, 1, 9}, {3, 3, 2, 2}, {4, 4, 3, 3},
                               {5, 5, 5, 1}, {6, 0, 0, 2}, {7, 7, 2, 9}};
        for (const auto& [codice, gazzetta, topic, difficolta] : rows) {
            auto q = all.Add(codice);
            q->IDGazzetta = gazzetta;
            q->SetArgomento(topics.Find(topic));
            q->Difficolta = difficolta;
            for (int i = 1; i <= 4; ++i) q->SetRisposta(i, Encoder::Encode(std::string(1, char('A' + i - 1))));
            q->RispostaCorretta = 1;
        }
    }
    void TearDown() override { BankRandom::ClearTestSeed(); }

    cArgomenti topics;
    cQuesiti all;
};

TEST_F(Quesiti, ItemsByPositionAndKey)
{
    EXPECT_EQ(all.Item(7)->Codice, 7);
    EXPECT_EQ(all.Item("cod7"), all.Item(7));
    EXPECT_EQ(all.Item("COD7"), all.Item(7));
    EXPECT_EQ(all.ItemByCodice(3), all.Item(3));
    EXPECT_EQ(all.ItemByCodice(99), nullptr);
    for (const char* bad : {"cod99", "cod07", "7", "cod", "cod 7"})
        EXPECT_THROW(all.Item(std::string(bad)), BankError) << bad;
    for (const int bad : {0, 8}) EXPECT_THROW(all.Item(bad), BankError) << bad;

    // A code already there is refused and leaves the set as it was.
    const auto third = all.Item(3);
    EXPECT_THROW(all.Add(3), BankError);
    EXPECT_EQ(all.Count(), 7);
    EXPECT_EQ(all.Item("cod3"), third);
    const auto added = all.Add(8);
    EXPECT_EQ(all.Item("cod8"), added);
    // Codes far from the others, and a drawn set, refuse a code they hold as well.
    for (const int32_t far : {-5, 2000000000}) {
        const auto q = all.Add(far);
        EXPECT_EQ(all.ItemByCodice(far), q);
        EXPECT_THROW(all.Add(far), BankError);
    }
    const auto drawn = all.GetRandomized(nullptr);
    EXPECT_THROW(drawn->AddObject(all.Item(1)), BankError);
    EXPECT_EQ(drawn->ItemByCodice(2000000000), all.ItemByCodice(2000000000));
    EXPECT_EQ(drawn->ItemByCodice(2), nullptr) << "cancelled";
}

TEST_F(Quesiti, FiltersShareTheQuestionsOfTheSet)
{
    using Filter = std::function<std::shared_ptr<cQuesiti>(const cQuesiti&)>;
    const auto lookalike = std::make_shared<cArgomento>(*topics.Item(2));
    const std::vector<std::pair<Filter, V>> table = {
        {[](auto& s) { return s.EliminaQuesitiAnnullati(); }, {1, 3, 4, 5, 6}},
        {[](auto& s) { return s.GetFirstN(3); }, {1, 2, 3}},
        {[](auto& s) { return s.GetFirstN(-2); }, {}},
        {[](auto& s) { return s.GetFirstN(100); }, {1, 2, 3, 4, 5, 6, 7}},
        {[](auto& s) { return s.GetRangeGazzetta(3, 5); }, {3, 4, 5}},
        {[](auto& s) { return s.GetRangeGazzetta(1, 0); }, {1, 3, 4, 5}},
        {[](auto& s) { return s.GetRangeGazzetta(4, -1); }, {4, 5}},
        {[](auto& s) { return s.GetRangeGazzetta(6, 5); }, {}},
        {[](auto& s) { return s.FilterByRangeIDGazzetta(2, 7); }, {2, 3, 4, 5, 7}},
        {[](auto& s) { return s.FilterByRangeIDGazzetta(7, 7); }, {7}},
        {[](auto& s) { return s.FilterByRangeArgomenti(2, 3, 0); }, {3, 4, 7}},
        {[](auto& s) { return s.FilterByRangeArgomenti(1, 1, 5); }, {1, 2, 5}},
        {[](auto& s) { return s.FilterByRangeArgomenti(0, -1, 5); }, {5}},
        {[&](auto& s) { return s.FilterByArgomento(topics.Item(2)); }, {3, 7}},
        {[&](auto& s) { return s.FilterByArgomento(lookalike); }, {}},
        {[](auto& s) { return s.FilterByArgomento(nullptr); }, {}},
    };
    for (size_t row = 0; row < table.size(); ++row) {
        const auto set = table[row].first(all);
        EXPECT_EQ(Codes(*set), table[row].second) << "row " << row;
        for (const auto& q : *set) EXPECT_EQ(set->Item("cod" + std::to_string(q->Codice)), all.ItemByCodice(q->Codice));
    }
    EXPECT_EQ(all.Count(), 7);
}

TEST_F(Quesiti, AnswersOfTheWholeSet)
{
    const auto three = all.GetFirstN(3);
    three->SetRisposteDate("2014");  // digits past the set are not read
    EXPECT_EQ(three->RisposteDate(), "201");
    EXPECT_EQ(all.Item(1)->RispostaData, 2) << "the same objects";
    for (const char* bad : {"12", "1x3"}) {
        EXPECT_THROW(three->SetRisposteDate(bad), BankError) << bad;
        EXPECT_EQ(three->RisposteDate(), "201") << "nothing changed by " << bad;
    }
    EXPECT_EQ(three->NumRisposteEsatte(), 1);
    // The correct answers put back where they were: an unanswered question is left alone.
    three->RisposteCorretteFix("331");
    EXPECT_EQ(three->RisposteCorrette(), "311");
    EXPECT_EQ(three->Item(1)->VisualRisposta(3), "A");
    EXPECT_EQ(three->Item(1)->VisualRisposta(1), "C");
    // Without a correct answer, unanswered is not right.
    three->Item(2)->RispostaCorretta = 0;
    three->SetRisposteDate("301");
    EXPECT_EQ(three->NumRisposteEsatte(), 2);
    EXPECT_THROW(three->RisposteCorretteFix("3"), BankError);
}

TEST_F(Quesiti, SetShuffleMovesEachQuestionsOwnNonEmptyCount)
{
    // Answers 1, 2 and 4: a count of three, so the empty third takes part and the fourth stays.
    const auto gap = all.Item(1);
    gap->SetRisposta(3, "");
    gap->RispostaCorretta = 4;
    const auto five = all.Item(3);
    five->SetRisposta(5, Encoder::Encode("E"));
    std::set<std::string> gapOrders;
    bool fifthMoved = false;
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        BankRandom::SetTestSeed(seed);
        all.ShuffleAnswers();
        EXPECT_EQ(gap->RispostaCorretta, 4);
        gapOrders.insert(gap->VisualRisposta(1) + "," + gap->VisualRisposta(2) + "," + gap->VisualRisposta(3));
        fifthMoved = fifthMoved || five->VisualRisposta(5) != "E";
    }
    EXPECT_EQ(gapOrders.size(), 6u);
    EXPECT_TRUE(fifthMoved);
}

TEST_F(Quesiti, DrawIsAUniformPermutationWithoutCancelledQuestions)
{
    std::map<int32_t, int> first;
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        BankRandom::SetTestSeed(seed);
        const auto drawn = all.GetRandomized(nullptr);
        ASSERT_EQ(Sorted(Codes(*drawn)), (V{1, 3, 4, 5, 6}));
        ++first[drawn->Item(1)->Codice];
    }
    for (const int32_t codice : {1, 3, 4, 5, 6}) EXPECT_NEAR(first[codice], 400, 70) << codice;
}

TEST_F(Quesiti, FewestViewsFirstWithTiesAtRandomReadAfreshForEveryDraw)
{
    // Views of codice 1 to 6; 8 lies past the end of the statistics file.
    all.Add(8);
    support::TempDir dir;
    const auto store = std::make_shared<cRecordBase>();
    ASSERT_TRUE(store->CreateNew(dir / "bank.dat.rec"));
    const int views[] = {5, 0, 3, 1, 2, 0};
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(store->WriteRecord(i + 1, support::Record(views[i], 0, 0, 0)));
    cTRSorter sorter;
    sorter.RecordBase = store;
    std::set<V> ties;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        BankRandom::SetTestSeed(seed);
        const V got = Codes(*all.GetRandomized(&sorter));
        ASSERT_EQ(got.size(), 6u);
        EXPECT_EQ(V(got.begin() + 2, got.end()), (V{4, 5, 3, 1}));
        ties.insert(V(got.begin(), got.begin() + 2));
    }
    EXPECT_EQ(ties, (std::set<V>{{6, 8}, {8, 6}}));

    // The statistics window writes through its own store between two draws.
    cRecordBase window;
    ASSERT_TRUE(window.OpenExisting(dir / "bank.dat.rec"));
    ASSERT_TRUE(window.WriteRecord(8, support::Record(8, 0, 0, 0)));
    ASSERT_TRUE(window.WriteRecord(6, support::Record(6, 0, 0, 0)));
    EXPECT_EQ(Codes(*all.GetRandomized(&sorter)), (V{4, 5, 3, 1, 6, 8}));
}

TEST_F(Quesiti, ExamEntryByTopicAndDifficulty)
{
    // Topic, difficulty (0 = any) and the questions drawn.
    const std::vector<std::tuple<int, int, V>> table = {{0, 0, {1, 3, 4, 5, 6}}, {2, 0, {3}}, {0, 1, {1, 5}},
                                                        {3, 3, {4}},             {3, 2, {}},  {4, 0, {}}};
    for (const auto& [topic, difficulty, expected] : table) {
        cEsaSorter exam;
        exam.SetEsame = {topic, difficulty, 50};
        EXPECT_EQ(Sorted(Codes(*all.GetRandomized(&exam))), expected) << topic << " " << difficulty;
    }
}

}  // namespace
