// The test builder against the small fixture bank and a statistics file: every
// ordering and filter of the start screen, the exam, the answer shuffle and the
// statistics file beside the bank.

#include "bank/BankRandom.h"
#include "bank/cDocumento.h"
#include "bank/BankFiles.h"
#include "bank/DataFolders.h"

#include "setup/AnswerLog.h"
#include "setup/Clock.h"
#include "setup/ModFunzioni.h"

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace support;
using ModFunzioni::EstraiQuesiti;
using CodeList = std::vector<int32_t>;

// The codes drawn; none when the builder finds nothing.
CodeList Drawn(const TestRequest& request)
{
    const auto built = EstraiQuesiti(request);
    if (!built) {
        EXPECT_EQ(built.error().kind, Failure::Kind::NothingFound) << built.error().description;
        return {};
    }
    return Codes(*built->TestSet);
}

std::set<int32_t> AsSet(const CodeList& c) { return {c.begin(), c.end()}; }

// Question 4 is cancelled.
const CodeList AllButCancelled = {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12};

cRecordSpec Wrong(int32_t wrong, int32_t views) { return Record(views, 0, wrong, 2); }
cRecordSpec Seen(int32_t views) { return Record(views, 0, 0, 0); }

void MakeReadOnly(const fs::path& folder)
{
    fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

using EstraiQuesitiTest = ProgramTest;

TEST_F(EstraiQuesitiTest, OrderingsThroughTheStatisticsAndTheStartNumber)
{
    // Codes 2, 3 and 6 marked wrong; 4 too, but it is cancelled; 5 had its
    // mark removed. Every question has a different number of views.
    WriteStats({{1, Seen(4)}, {2, Wrong(3, 5)}, {3, Wrong(3, 1)}, {4, Wrong(9, 0)}, {5, Record(7, 2, 4, 1)},
                {6, Wrong(2, 9)}, {7, Seen(0)}, {8, Seen(10)}, {9, Seen(3)}, {10, Seen(6)}, {11, Seen(2)},
                {12, Seen(8)}});
    struct Row {
        int topicRow;
        int32_t order;
        int32_t startNumber;
        CodeList codes;
    };
    const Row table[] = {
        // Wrong ones by most wrong answers then fewest views, then the rest by views.
        {0, OrderPrimaErrate, 1, {3, 2, 6, 7, 11, 9, 1, 10, 5, 12, 8}},
        {0, OrderMenoProposti, 1, {7, 3, 11, 9, 1, 2, 10, 5, 12, 6, 8}},
        {2, OrderMenoProposti, 1, {7, 5, 6, 8}},
        // Only the questions still marked wrong.
        {0, OrderSoloErrate, 1, {3, 2, 6}},
        {1, OrderSoloErrate, 1, {3, 2}},
        // Within one topic the start number counts from its first number: topic 2 is 101-104.
        {0, OrderGazzetta, 1, AllButCancelled},
        {1, OrderGazzetta, 1, {1, 2, 3}},
        {2, OrderGazzetta, 3, {7, 8}},
        {2, OrderGazzetta, 102, {6, 7, 8}},
        {0, OrderGazzetta, 3, {3, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const auto& r : table) {
        auto request = Request(r.topicRow, r.order);
        request.StartNumber = r.startNumber;
        EXPECT_EQ(Drawn(request), r.codes) << "row " << r.topicRow << ", order " << r.order << ", from " << r.startNumber;
    }
}

TEST_F(EstraiQuesitiTest, ReviewScheduleOrdersTheFilteredQuestionsByTheBanksLogForToday)
{
    // Read on 10/03/2024 (tests/fixtures/memory/crafted-log): due 10 11 6 8 1, lowest
    // chance first; never answered 5 7 9 12; then 2 3.
    fs::copy_file(Fixtures::Source("memory/crafted-log/rcv14.log"), LogPath());
    Clock::SetFixedNowText("10/03/2024 21:00:00");
    const CodeList all = Drawn(Request(0, OrderRipasso));
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(CodeList(all.begin(), all.begin() + 5), (CodeList{10, 11, 6, 8, 1}));
    EXPECT_EQ(AsSet(CodeList(all.begin() + 5, all.begin() + 9)), (std::set<int32_t>{5, 7, 9, 12}));
    EXPECT_EQ(CodeList(all.begin() + 9, all.end()), (CodeList{2, 3}));
    // Topic 2 and three questions: its two due, then one never answered.
    const CodeList topic2 = Drawn(Request(2, OrderRipasso, 3));
    ASSERT_EQ(topic2.size(), 3u);
    EXPECT_EQ(CodeList(topic2.begin(), topic2.begin() + 2), (CodeList{6, 8}));
    EXPECT_TRUE(topic2[2] == 5 || topic2[2] == 7) << topic2[2];
    // Weeks later every question answered is due.
    Clock::SetFixedNowText("20/04/2024 12:00:00");
    const CodeList later = Drawn(Request(0, OrderRipasso, 7));
    EXPECT_EQ(AsSet(later), (std::set<int32_t>{1, 2, 3, 6, 8, 10, 11}));
}

TEST_F(EstraiQuesitiTest, TopicAndGazetteFilters)
{
    // Topic; topic range first, last and extra; gazette range first and last; in gazette order.
    const std::vector<std::tuple<int, int, int, int, int, int, CodeList>> table = {
        {0, 2, 3, 0, -1, -1, {5, 6, 7, 8, 9, 10, 11, 12}},
        {0, 1, 1, 3, -1, -1, {1, 2, 3, 9, 10, 11, 12}},
        {0, 0, 0, 0, 3, 102, {3, 5, 6}},
        {0, 0, 0, 0, 102, -1, AllButCancelled},  // a range needs both ends
        {7, 0, 0, 0, -1, -1, {}},                // a topic the bank lacks selects nothing
    };
    for (const auto& [topic, first, last, extra, gazetteFirst, gazetteLast, codes] : table) {
        auto r = Request(0, OrderGazzetta);
        std::tie(r.TopicFilter, r.TopicRangeFirst, r.TopicRangeLast, r.TopicRangeExtra) =
            std::tuple(topic, first, last, extra);
        std::tie(r.GazetteRangeFirst, r.GazetteRangeLast) = std::pair(gazetteFirst, gazetteLast);
        EXPECT_EQ(Drawn(r), codes) << topic << " " << first << "-" << last << "+" << extra << " " << gazetteFirst;
    }
}

TEST_F(EstraiQuesitiTest, RandomDrawIsSeededAndCutToTheQuestionCount)
{
    const CodeList all = Drawn(Request(0, OrderCasuale));
    EXPECT_EQ(AsSet(all), AsSet(AllButCancelled));
    EXPECT_NE(all, AllButCancelled);

    BankRandom::SetTestSeed(7);
    EXPECT_EQ(Drawn(Request(0, OrderCasuale, 5)), CodeList(all.begin(), all.begin() + 5)) << "the same seed repeats the draw";
    EXPECT_EQ(Drawn(Request(2, OrderCasuale, 30)).size(), 4u) << "fewer matches than asked gives the matches";
}

TEST_F(EstraiQuesitiTest, ExamTakesEachEntrysCountFromTheWholeBankOnce)
{
    auto request = Request(1, OrderEsame);
    EXPECT_EQ(AsSet(Drawn(request)), AsSet(AllButCancelled)) << "50 asked of any topic, 11 in the bank";

    // Three of topic 2, then five of any topic but not those again.
    request.ExamSets = {cSetEsame{2, 0, 3}, cSetEsame{0, 0, 5}};
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        BankRandom::SetTestSeed(seed);
        const auto built = Build(request);
        ASSERT_EQ(AsSet(Codes(*built.TestSet)).size(), 8u);
        int topic2 = 0;
        for (const auto& q : *built.TestSet) topic2 += q->Argomento()->ID == 2;
        EXPECT_GE(topic2, 3);
    }
}

TEST_F(EstraiQuesitiTest, UnseededExamsContinueOneSequence)
{
    // Reseeding before every draw made an exam the square of one permutation
    // (two questions in place on average, not one) and repeated the answer
    // shuffle of builds a moment apart.
    BankRandom::ClearTestSeed();
    const auto request = Request(0, OrderEsame);
    constexpr int Runs = 200;
    int inPlace = 0;
    int repeatedShuffles = 0;
    std::string previous;
    for (int run = 0; run < Runs; ++run) {
        const auto built = Build(request);
        const CodeList codes = Codes(*built.TestSet);
        ASSERT_EQ(codes.size(), AllButCancelled.size());
        for (size_t i = 0; i < AllButCancelled.size(); ++i) inPlace += codes[i] == AllButCancelled[i];
        const std::string correct = built.Document->Quesiti()->RisposteCorrette();
        repeatedShuffles += correct == previous;
        previous = correct;
    }
    const double mean = static_cast<double>(inPlace) / Runs;
    EXPECT_GT(mean, 0.7);
    EXPECT_LT(mean, 1.4);
    EXPECT_EQ(repeatedShuffles, 0);
}

TEST_F(EstraiQuesitiTest, AnswersKeptOrShuffledWithTheCorrectOneFollowingItsText)
{
    cDocumento bank;
    bank.LoadFromText(DataPath());
    auto request = Request(0, OrderGazzetta);
    int moved = 0;
    for (const bool keep : {true, false}) {
        request.KeepAnswerOrder = keep;
        const auto built = Build(request);
        for (const auto& q : *built.TestSet) {
            const auto& stored = *bank.Quesiti()->ItemByCodice(q->Codice);
            EXPECT_EQ(q->Risposta(q->RispostaCorretta), stored.Risposta(stored.RispostaCorretta)) << q->Codice;
            std::multiset<std::string> texts, expected;
            for (int n = 1; n <= 4; ++n) {
                texts.insert(q->Risposta(n));
                expected.insert(stored.Risposta(n));
                moved += q->Risposta(n) != stored.Risposta(n);
            }
            EXPECT_EQ(texts, expected);
            // The shuffle's order names where each shown answer stands in the bank.
            for (int n = 1; n <= 4; ++n) EXPECT_EQ(q->Risposta(n), stored.Risposta(q->OrdineRisposte()[n - 1]));
        }
        if (keep) {
            EXPECT_EQ(moved, 0);
        }
    }
    EXPECT_GT(moved, 10);
}

TEST_F(EstraiQuesitiTest, MissingStatisticsFileIsCreatedWithOneRecordPerQuestion)
{
    auto built = Build(Request(0, OrderMenoProposti));
    EXPECT_EQ(fs::file_size(RecPath()), 12u * 20u) << "every question of the bank, the cancelled one too";
    EXPECT_TRUE(built.RecordStore->Initialized());
    EXPECT_FALSE(built.StatisticsProblem);

    // An existing file is opened as it is, never cleared.
    ASSERT_TRUE(built.RecordStore->WriteRecord(3, Wrong(1, 1)));
    built = {};
    EXPECT_EQ(Build(Request(0, OrderMenoProposti)).RecordStore->ReadRecord(3), Wrong(1, 1));
}

TEST_F(EstraiQuesitiTest, ReadOnlyBankFolderSendsStatisticsAndLogToTheUserFolder)
{
    MakeReadOnly(ProgramDir());
    const auto built = Build(Request(0, OrderCasuale));
    AnswerLog(BankFiles::For("rcv14.dat").log).WriteAnswer(12, true);
    EXPECT_TRUE(built.RecordStore->Initialized());
    EXPECT_EQ(fs::file_size(UserDir() / "rcv14.dat.rec"), 12u * 20u);
    EXPECT_EQ(ReadBytes(UserDir() / "rcv14.log"), "DOM:05/03/2024 09:07:02|12|1\r\n");
}

TEST_F(EstraiQuesitiTest, UnwritableFoldersOrNoBankStillBuildATest)
{
    MakeReadOnly(ProgramDir());
    DataFolders::SetUserDataFolder(DataPath() / "cannot-be-a-folder");
    const auto built = Build(Request(1, OrderPrimaErrate));
    EXPECT_EQ(AsSet(Codes(*built.TestSet)), (std::set<int32_t>{1, 2, 3}));
    EXPECT_FALSE(built.RecordStore->Initialized());
    ASSERT_TRUE(built.StatisticsProblem);
    EXPECT_EQ(built.StatisticsProblem->description, "impossibile creare il file rcv14.dat.rec: una parte del percorso non è una cartella");

    fs::permissions(ProgramDir(), fs::perms::owner_write, fs::perm_options::add);
    fs::remove(DataPath());
    const auto none = EstraiQuesiti(Request(1, OrderPrimaErrate));
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().kind, Failure::Kind::NothingFound);
}

}  // namespace
