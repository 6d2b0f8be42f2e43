// The test builder against the small fixture bank and a statistics file: every
// ordering and filter of the start screen, the answer shuffle and the
// statistics file beside the bank.

#include "SetupTestSupport.h"

#include <algorithm>
#include <set>
#include <unistd.h>

using namespace setuptest;
using ModFunzioni::EstraiQuesiti;
namespace G = ModGlobal;

namespace {

using CodeList = std::vector<int32_t>;

std::set<int32_t> AsSet(const CodeList& c) { return {c.begin(), c.end()}; }

const std::set<int32_t> AllButCancelled = {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12};

cRecordSpec Wrong(int32_t sbagliate, int32_t visualizzate) { return {visualizzate, 0, 0, sbagliate, 2}; }
cRecordSpec Seen(int32_t visualizzate) { return {visualizzate, 0, 0, 0, 0}; }

void MakeReadOnly(const fs::path& folder)
{
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
}

class EstraiQuesitiTest : public SetupTest {
protected:
    testfiles::TempDir userFolder;

    // Codes 2, 3 and 6 marked wrong; 4 too, but it is cancelled; 5 had its
    // mark removed. Every question has a different number of views.
    void WriteFixtureStats()
    {
        WriteStats({{1, Seen(4)},
                    {2, Wrong(3, 5)},
                    {3, Wrong(3, 1)},
                    {4, Wrong(9, 0)},
                    {5, {7, 0, 2, 4, 1}},
                    {6, Wrong(2, 9)},
                    {7, Seen(0)},
                    {8, Seen(10)},
                    {9, Seen(3)},
                    {10, Seen(6)},
                    {11, Seen(2)},
                    {12, Seen(8)}});
    }
};

TEST_F(EstraiQuesitiTest, RandomDrawTakesEveryQuestionOnceInASeededOrder)
{
    Choose(0, OrderCasuale);
    EstraiQuesiti();
    const CodeList first = Codes();
    EXPECT_EQ(first.size(), 11u);
    EXPECT_EQ(AsSet(first), AllButCancelled);

    BankRandom::SetTestSeed(7);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), first) << "the same seed repeats the draw";

    BankRandom::SetTestSeed(8);
    EstraiQuesiti();
    EXPECT_NE(Codes(), first);
    EXPECT_EQ(AsSet(Codes()), AllButCancelled);
}

TEST_F(EstraiQuesitiTest, OrderingsThroughTheStatistics)
{
    WriteFixtureStats();

    // Wrong ones by most wrong answers then fewest views, then the rest by views.
    Choose(0, OrderPrimaErrate);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{3, 2, 6, 7, 11, 9, 1, 10, 5, 12, 8}));

    Choose(0, OrderMenoProposti);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{7, 3, 11, 9, 1, 2, 10, 5, 12, 6, 8}));

    Choose(2, OrderMenoProposti);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{7, 5, 6, 8}));

    // Only questions still marked wrong; the cancelled one and the removed mark stay out.
    Choose(0, OrderSoloErrate);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{3, 2, 6}));

    Choose(1, OrderSoloErrate);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{3, 2}));
}

TEST_F(EstraiQuesitiTest, NeverShownQuestionsComeFirstInRandomOrder)
{
    WriteStats({{1, Seen(2)}, {5, Seen(2)}, {9, Seen(1)}});
    Choose(0, OrderMenoProposti);
    EstraiQuesiti();
    const CodeList first = Codes();
    ASSERT_EQ(first.size(), 11u);
    EXPECT_EQ(AsSet(CodeList(first.begin(), first.begin() + 8)), (std::set<int32_t>{2, 3, 6, 7, 8, 10, 11, 12}));
    EXPECT_EQ(first[8], 9);
    EXPECT_EQ(AsSet(CodeList(first.begin() + 9, first.end())), (std::set<int32_t>{1, 5}));

    BankRandom::SetTestSeed(8);
    EstraiQuesiti();
    EXPECT_NE(Codes(), first) << "ties are broken at random";
}

TEST_F(EstraiQuesitiTest, OnlyWrongIsEmptyWithoutMarks)
{
    Choose(0, OrderSoloErrate);
    EstraiQuesiti();
    ASSERT_TRUE(G::TestSet);
    EXPECT_EQ(G::TestSet->Count(), 0);
}

TEST_F(EstraiQuesitiTest, GazetteOrderFromTheStartNumber)
{
    Choose(0, OrderGazzetta);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12})) << "cancelled 4 left out";

    Choose(1, OrderGazzetta);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{1, 2, 3}));

    // Topic 2 is numbered from 101: "3" means its third number, 103.
    Choose(2, OrderGazzetta);
    G::StartNumber = 3;
    EstraiQuesiti();
    EXPECT_EQ(G::StartNumber, 103);
    EXPECT_EQ(Codes(), (CodeList{7, 8}));

    G::StartNumber = 102;
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{6, 7, 8}));

    // Without a single topic the number is taken as it is.
    Choose(0, OrderGazzetta);
    G::StartNumber = 3;
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{3, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(EstraiQuesitiTest, GazetteStartSkipsCancelledQuestionsOfTheTopic)
{
    // Topic 2 goes on with 105 (cancelled) and 106, after topic 3.
    AppendToBank({{105, 2, 9, 1}, {106, 2, 1, 2}});
    Choose(2, OrderGazzetta);
    G::StartNumber = 5;
    EstraiQuesiti();
    EXPECT_EQ(G::StartNumber, 105);
    EXPECT_EQ(Codes(), (CodeList{14}));
}

TEST_F(EstraiQuesitiTest, ExamTakesAllOfASmallBankWhateverTheTopic)
{
    Choose(2, OrderEsame, 50);
    EstraiQuesiti();
    EXPECT_EQ(AsSet(Codes()), AllButCancelled);
}

TEST_F(EstraiQuesitiTest, ExamDrawsFiftyDistinctQuestionsFromTheWholeBank)
{
    std::vector<Question> big;
    for (int i = 1; i <= 120; ++i) big.push_back({i, 1 + i % 3, i % 10 == 0 ? 9 : 1, 1 + i % 4});
    WriteBytes(DataPath(), GeneratedBank(big));
    Choose(1, OrderEsame, 50);
    EstraiQuesiti();
    const CodeList codes = Codes();
    ASSERT_EQ(codes.size(), 50u);
    EXPECT_EQ(AsSet(codes).size(), 50u);
    std::set<int32_t> topics;
    for (const auto& q : *G::TestSet) {
        EXPECT_NE(q->Difficolta, 9);
        topics.insert(q->Argomento()->ID);
    }
    EXPECT_EQ(topics.size(), 3u) << "the topic filter does not apply";
    EXPECT_FALSE(std::is_sorted(codes.begin(), codes.end()));
}

TEST_F(EstraiQuesitiTest, UnseededExamsContinueOneSequence)
{
    // Reseeding before every draw made an exam the square of one permutation
    // (two questions in place on average, not one) and repeated the answer
    // shuffle of builds a moment apart.
    std::vector<Question> fifty;
    for (int i = 1; i <= 50; ++i) fifty.push_back({i, 1 + i % 3, 1, 1 + i % 4});
    WriteBytes(DataPath(), GeneratedBank(fifty));
    BankRandom::ClearTestSeed();
    Choose(0, OrderEsame, 50);
    constexpr int Runs = 200;
    int inPlace = 0;
    int repeatedShuffles = 0;
    std::string previous;
    for (int run = 0; run < Runs; ++run) {
        EstraiQuesiti();
        ASSERT_EQ(G::TestSet->Count(), 50);
        for (int32_t i = 1; i <= 50; ++i) inPlace += G::TestSet->Item(i)->Codice == i;
        const std::string correct = G::Document->Quesiti()->RisposteCorrette();
        repeatedShuffles += correct == previous;
        previous = correct;
    }
    const double mean = static_cast<double>(inPlace) / Runs;
    EXPECT_GT(mean, 0.7);
    EXPECT_LT(mean, 1.4);
    EXPECT_EQ(repeatedShuffles, 0);
}

TEST_F(EstraiQuesitiTest, TopicAndGazetteFilters)
{
    Choose(0, OrderGazzetta);
    G::TopicRangeFirst = 2;
    G::TopicRangeLast = 3;
    G::TopicRangeExtra = 0;
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{5, 6, 7, 8, 9, 10, 11, 12}));

    G::TopicRangeFirst = G::TopicRangeLast = 1;
    G::TopicRangeExtra = 3;
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{1, 2, 3, 9, 10, 11, 12}));

    Choose(0, OrderGazzetta);
    G::GazetteRangeFirst = 3;
    G::GazetteRangeLast = 102;
    EstraiQuesiti();
    EXPECT_EQ(Codes(), (CodeList{3, 5, 6}));

    Choose(0, OrderCasuale);
    G::GazetteRangeFirst = 3;
    G::GazetteRangeLast = 102;
    EstraiQuesiti();
    EXPECT_EQ(AsSet(Codes()), (std::set<int32_t>{3, 5, 6}));

    // A range applies only when both ends are set.
    Choose(0, OrderGazzetta);
    G::GazetteRangeFirst = 102;
    G::GazetteRangeLast = -1;
    EstraiQuesiti();
    EXPECT_EQ(Codes().size(), 11u);

    // A topic the bank lacks selects nothing rather than everything.
    G::TopicFilter = 7;
    EstraiQuesiti();
    EXPECT_EQ(Codes().size(), 0u);
}

TEST_F(EstraiQuesitiTest, QuestionCountCutsTheDraw)
{
    Choose(0, OrderCasuale);
    EstraiQuesiti();
    const CodeList all = Codes();

    BankRandom::SetTestSeed(7);
    Choose(0, OrderCasuale, 5);
    EstraiQuesiti();
    EXPECT_EQ(Codes(), CodeList(all.begin(), all.begin() + 5));

    Choose(2, OrderCasuale, 30);
    EstraiQuesiti();
    EXPECT_EQ(Codes().size(), 4u) << "fewer matches than asked gives the matches";
}

TEST_F(EstraiQuesitiTest, AnswersKeptOrShuffledWithTheCorrectOneFollowingItsText)
{
    const auto ref = Reference(DataPath());
    G::KeepAnswerOrder = true;
    Choose(0, OrderGazzetta);
    EstraiQuesiti();
    for (const auto& q : *G::TestSet) {
        const auto& r = ref->Quesiti()->ItemByCodice(q->Codice);
        EXPECT_EQ(q->RispostaCorretta, r->RispostaCorretta);
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(q->Risposta(n), r->Risposta(n));
    }

    G::KeepAnswerOrder = false;
    EstraiQuesiti();
    int moved = 0;
    for (const auto& q : *G::TestSet) {
        const auto& r = ref->Quesiti()->ItemByCodice(q->Codice);
        EXPECT_EQ(q->Risposta(q->RispostaCorretta), r->Risposta(r->RispostaCorretta)) << "code " << q->Codice;
        std::multiset<std::string> texts, expected;
        for (int n = 1; n <= 4; ++n) {
            texts.insert(q->Risposta(n));
            expected.insert(r->Risposta(n));
            if (q->Risposta(n) != r->Risposta(n)) ++moved;
        }
        EXPECT_EQ(texts, expected);
    }
    EXPECT_GT(moved, 10);
}

TEST_F(EstraiQuesitiTest, EveryQuestionStartsUnanswered)
{
    Choose(0, OrderCasuale);
    EstraiQuesiti();
    for (const auto& q : *G::TestSet) q->RispostaData = 2;
    const auto previous = G::TestSet;
    EstraiQuesiti();
    ASSERT_NE(G::TestSet, previous);
    EXPECT_EQ(G::TestSet->RisposteDate(), std::string(11, '0'));
}

TEST_F(EstraiQuesitiTest, MissingStatisticsFileIsCreatedWithOneRecordPerQuestion)
{
    ASSERT_FALSE(fs::exists(RecPath()));
    Choose(0, OrderMenoProposti);
    EstraiQuesiti();
    ASSERT_TRUE(fs::exists(RecPath()));
    EXPECT_EQ(fs::file_size(RecPath()), 12u * 20u) << "every question of the bank, the cancelled one too";
    EXPECT_TRUE(G::RecordStore->Initialized());
    EXPECT_EQ(G::TestSet->Count(), 11);

    // An existing file is opened as it is, never cleared.
    G::RecordStore->WriteRecord(3, Wrong(1, 1));
    G::RecordStore.reset();
    EstraiQuesiti();
    EXPECT_EQ(G::RecordStore->ReadRecord(3), Wrong(1, 1));
}

TEST_F(EstraiQuesitiTest, ReadOnlyBankFolderSendsStatisticsAndLogToTheUserFolder)
{
    MakeReadOnly(folder);
    DataFolders::SetUserDataFolder(userFolder.path() / "Tessarondequiz");
    Choose(0, OrderCasuale);
    EstraiQuesiti();
    ModFunzioni::WriteLog("DOM:x");
    EXPECT_TRUE(G::RecordStore->Initialized());
    EXPECT_EQ(fs::file_size(userFolder.path() / "Tessarondequiz/rcv14.dat.rec"), 12u * 20u);
    EXPECT_EQ(ReadBytes(userFolder.path() / "Tessarondequiz/rcv14.log"), "DOM:x\r\n");
}

TEST_F(EstraiQuesitiTest, UnwritableFoldersStillBuildTheTest)
{
    MakeReadOnly(folder);
    DataFolders::SetUserDataFolder(DataPath() / "cannot-be-a-folder");
    Choose(1, OrderPrimaErrate);
    EstraiQuesiti();
    EXPECT_FALSE(G::RecordStore->Initialized());
    EXPECT_EQ(AsSet(Codes()), (std::set<int32_t>{1, 2, 3}));
    EXPECT_FALSE(ModFunzioni::OpenRecordStore());
    // Reads give zeros and writes are skipped.
    EXPECT_EQ(G::RecordStore->ReadRecord(1), cRecordSpec{});
    EXPECT_FALSE(G::RecordStore->WriteRecord(1, Seen(1)));
}

TEST_F(EstraiQuesitiTest, MissingBankGivesAnEmptyTest)
{
    fs::remove(DataPath());
    Choose(0, OrderCasuale);
    EstraiQuesiti();
    ASSERT_TRUE(G::TestSet);
    EXPECT_EQ(G::TestSet->Count(), 0);
}

}  // namespace
