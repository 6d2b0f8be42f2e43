// The question cycle without widgets: a recording view stands in for the window.
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/ModGlobal.h"

#include "quiz/QuizColours.h"
#include "quiz/QuizSession.h"
#include "quiz/ReviewRows.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class RecordingView : public IQuizView {
public:
    void DisplayQuestion(const QuestionDisplay& d) override { shown.push_back(d); }
    void SetCounterText(const std::string& text) override { counter = text; }
    void SetErrataMark(bool m) override { marked = m; }
    void SetAnswerState(int index, int state) override { states[index] = state; }
    void SetPointerTracking(bool enabled) override { tracking = enabled; }
    void ShowAnswerResult(int32_t given, int32_t correct) override
    {
        results.push_back({given, correct});
        if (onResult) onResult();
    }
    void ShowCancelledNotice(const std::string& text) override { notices.push_back(text); }
    void ShowTime(const std::string& text) override { times.push_back(text); }
    void StopCountdown() override { ++stops; }
    void ShowTimeExpired() override { ++expired; }
    void FinishTest(const std::string& text) override { finish.push_back(text); }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }

    std::vector<QuestionDisplay> shown;
    std::string counter;
    bool marked = false;
    int states[5] = {};
    bool tracking = false;
    std::vector<std::pair<int32_t, int32_t>> results;
    std::vector<std::string> notices;
    std::vector<std::string> times;
    int stops = 0;
    int expired = 0;
    std::vector<std::string> finish;
    std::vector<std::string> warnings;
    std::function<void()> onResult;
};

// A set of `count` questions with codes 1..count, answer B correct, in a
// scratch program folder with its own statistics file and log.
class QuizSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tq-quiz-" + std::to_string(::getpid()) + "-"
                                             + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_savedFolder = ProgramFolder::Get();
        ProgramFolder::Set(m_dir);
        ModGlobal::CurrentDataFile = "t.dat";
        Clock::SetFixedNowText("01/02/2024 10:20:30");
        store = std::make_shared<cRecordBase>();
        ASSERT_TRUE(store->CreateNew(m_dir / "t.dat.rec"));
    }

    void TearDown() override
    {
        session.reset();
        store.reset();
        Clock::SetFixedNowText("");
        ModGlobal::CurrentDataFile.clear();
        ProgramFolder::Set(m_savedFolder);
        fs::remove_all(m_dir);
    }

    void Make(int count, int bankAnswers = 4)
    {
        set = std::make_shared<cQuesiti>();
        for (int i = 1; i <= count; ++i) {
            auto q = set->Add(i);
            q->IDGazzetta = 100 + i;
            q->RispostaCorretta = 2;
            for (int r = 1; r <= 4; ++r) q->SetRisposta(r, "X");
        }
        session = std::make_unique<QuizSession>(view, set, store, bankAnswers);
    }

    void Start(int32_t resumeIndex = -1, int32_t hours = 0, int32_t minutes = 0)
    {
        session->StartTest(hours, minutes, resumeIndex, 0);
    }

    std::vector<int32_t> ShownPositions() const
    {
        std::vector<int32_t> p;
        for (const auto& d : view.shown) p.push_back(d.position);
        return p;
    }

    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string Log() const { return Read(m_dir / "t.log"); }
    fs::path Dir() const { return m_dir; }

    RecordingView view;
    std::shared_ptr<cQuesiti> set;
    std::shared_ptr<cRecordBase> store;
    std::unique_ptr<QuizSession> session;

private:
    fs::path m_dir;
    fs::path m_savedFolder;
};

}  // namespace

TEST_F(QuizSessionTest, DeferredQuestionComesBackAfterTheEndAndTheScoreCountsEveryPassedQuestion)
{
    Make(3);
    Start();
    session->GiveAnswer(1);  // 1 right
    session->Defer();        // 2 deferred
    session->GiveAnswer(0);  // 3 wrong
    EXPECT_EQ(ShownPositions(), (std::vector<int32_t>{1, 2, 3, 2}));
    EXPECT_EQ(view.counter, "Risposte esatte: 1 su 3  (33%)");
    EXPECT_EQ(view.shown.back().views, 1);  // counted when first shown, counted again now
    session->GiveAnswer(1);
    ASSERT_EQ(view.finish.size(), 1u);
    EXPECT_EQ(view.finish[0], "  TEST COMPLETATO!\r\n\r\nSono stati indovinati 2 quesiti, pari al 66% delle 3 domande totali.");
    EXPECT_FALSE(view.tracking);
    EXPECT_EQ(store->ReadRecord(2).nVisualizzate, 2);
}

TEST_F(QuizSessionTest, DeferringEveryQuestionCyclesUntilAllAreAnswered)
{
    Make(2);
    Start();
    for (int i = 0; i < 5; ++i) session->Defer();
    EXPECT_EQ(ShownPositions(), (std::vector<int32_t>{1, 2, 1, 2, 1, 2}));
    EXPECT_TRUE(view.finish.empty());
    session->GiveAnswer(0);
    session->GiveAnswer(0);
    ASSERT_EQ(view.finish.size(), 1u);
    EXPECT_EQ(view.finish[0], "  TEST COMPLETATO!\r\n\r\nSono stati indovinati 0 quesiti, pari al 0% delle 2 domande totali.");
}

TEST_F(QuizSessionTest, OneRightOfThreeEndsWithThirtyThreePerCent)
{
    Make(3);
    Start();
    session->GiveAnswer(1);
    session->GiveAnswer(2);
    session->GiveAnswer(3);
    ASSERT_EQ(view.finish.size(), 1u);
    EXPECT_EQ(view.finish[0], "  TEST COMPLETATO!\r\n\r\nSono stati indovinati 1 quesiti, pari al 33% delle 3 domande totali.");
    EXPECT_EQ(view.results, (std::vector<std::pair<int32_t, int32_t>>{{2, 2}, {3, 2}, {4, 2}}));
}

TEST_F(QuizSessionTest, RunningScoreChangesWhenTheNextQuestionAppears)
{
    Make(5);
    Start();
    EXPECT_EQ(view.counter, "Risposte esatte: 0 su 0");
    session->GiveAnswer(1);
    EXPECT_EQ(view.counter, "Risposte esatte: 1 su 1  (100%)");
    session->GiveAnswer(0);
    session->GiveAnswer(1);
    EXPECT_EQ(view.counter, "Risposte esatte: 2 su 3  (66%)");
    EXPECT_EQ(view.shown.back().numberLine, "Quesito n.4 su 5 totali - (codice 104)");
}

TEST_F(QuizSessionTest, ResumeCountsOneViewForTheFirstPendingQuestionAndNoneForTheResumedOne)
{
    Make(10);
    for (int i = 1; i <= 6; ++i)
        if (i != 3) set->Item(i)->RispostaData = 2;
    Start(6);
    EXPECT_EQ(ShownPositions(), (std::vector<int32_t>{3, 7}));
    EXPECT_EQ(store->ReadRecord(3).nVisualizzate, 1);
    EXPECT_EQ(store->ReadRecord(7).nVisualizzate, 0);
    EXPECT_EQ(session->CurrentIndex(), 7);

    // All of 1-6 answered: question 7 is both the first pending and the resumed one.
    view.shown.clear();
    set->Item(3)->RispostaData = 2;
    store->ClearRecord(7);
    Start(6);
    EXPECT_EQ(ShownPositions(), (std::vector<int32_t>{7, 7}));
    EXPECT_EQ(store->ReadRecord(7).nVisualizzate, 1);
    EXPECT_EQ(view.counter, "Risposte esatte: 0 su 6  (0%)");
}

TEST_F(QuizSessionTest, InterruptedTestResumesAtTheNextQuestionCountingOnlyItsView)
{
    Make(10);
    for (int i = 1; i <= 6; ++i)
        if (i != 3) set->Item(i)->RispostaData = 2;
    session->StartTest(0, 0, 6, 5, true);
    EXPECT_EQ(ShownPositions(), (std::vector<int32_t>{7}));
    EXPECT_EQ(store->ReadRecord(3).nVisualizzate, 0);
    EXPECT_EQ(store->ReadRecord(7).nVisualizzate, 1);
    EXPECT_EQ(view.counter, "Risposte esatte: 5 su 6  (83%)");

    // Gone round once: back at a deferred question, every question counts as passed.
    Make(4);
    for (int i = 2; i <= 4; ++i) set->Item(i)->RispostaData = 2;
    session->StartTest(0, 0, 0, 3, true);
    EXPECT_EQ(session->CurrentIndex(), 1);
    EXPECT_EQ(view.counter, "Risposte esatte: 3 su 4  (75%)");

    // Killed after the last answer: the score comes at once, with the answers given.
    Make(2);
    set->Item(1)->RispostaData = set->Item(2)->RispostaData = 2;
    session->StartTest(0, 0, 1, 2, true);
    ASSERT_EQ(view.finish.size(), 1u);
    EXPECT_NE(view.finish[0].find("indovinati 2 quesiti, pari al 100%"), std::string::npos) << view.finish[0];
}

TEST_F(QuizSessionTest, ProgressIsKeptAtTheNextQuestionToShowAndRemovedAtTheEnd)
{
    Make(4);
    ModGlobal::TestSet = set;
    const fs::path file = Dir() / "t.dat.interrotto.test";
    session->KeepProgressIn(file);
    auto position = [&] {  // line 3
        const std::string kept = Read(file);
        size_t at = 0;
        for (int i = 1; i < 3; ++i) at = kept.find("\r\n", at) + 2;
        return kept.substr(at, kept.find("\r\n", at) - at);
    };
    Start();
    session->Defer();  // 1: nothing answered yet, nothing kept
    EXPECT_FALSE(fs::exists(file));
    session->GiveAnswer(1);  // 2
    EXPECT_EQ(position(), "3");
    session->Defer();  // 3
    EXPECT_EQ(position(), "4");
    std::string keptWhileResultShown;
    view.onResult = [&] { keptWhileResultShown = Read(file); };
    session->GiveAnswer(0);  // 4, then round to 1
    EXPECT_EQ(position(), "1");
    EXPECT_NE(keptWhileResultShown.find("\r\n1\r\n1;2;3;4;\r\n0201\r\n"), std::string::npos) << keptWhileResultShown;
    session->GiveAnswer(1);
    session->GiveAnswer(1);
    ASSERT_EQ(view.finish.size(), 1u);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(view.warnings.empty());

    // Where nothing can be written the user is told once, and the test goes on.
    Make(3);
    ModGlobal::TestSet = set;
    session->KeepProgressIn(Dir() / "assente" / "t.test");
    Start();
    session->GiveAnswer(1);
    session->GiveAnswer(1);
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0].rfind("Non è stato possibile conservare il test in corso (", 0), 0u);
    EXPECT_EQ(session->CurrentIndex(), 3);
    ModGlobal::TestSet.reset();
}

TEST_F(QuizSessionTest, AnswersAreRecordedAndLoggedAtOnce)
{
    Make(2);
    store->WriteRecord(1, {0, 0, 0, 0, 2});
    Start();
    EXPECT_EQ(view.shown[0].views, 0);  // before this view is added
    EXPECT_TRUE(view.marked);
    session->GiveAnswer(1);  // right: the mark stays
    session->GiveAnswer(3);  // wrong: marked
    EXPECT_EQ(store->ReadRecord(1), (cRecordSpec{1, 0, 1, 0, 2}));
    EXPECT_EQ(store->ReadRecord(2), (cRecordSpec{1, 0, 0, 1, 2}));
    EXPECT_EQ(Log(), "DOM:01/02/2024 10:20:30|1|1\r\nDOM:01/02/2024 10:20:30|2|0\r\n");
    EXPECT_EQ(view.states[3], 2);
    EXPECT_EQ(view.states[1], 0);
}

TEST_F(QuizSessionTest, MarkToggles)
{
    Make(1);
    store->WriteRecord(1, {0, 0, 0, 0, 7});
    Start();
    EXPECT_FALSE(view.marked);
    session->ToggleMark();
    EXPECT_TRUE(view.marked);
    EXPECT_EQ(store->ReadRecord(1).bnUltimoEsito, 2);
    session->ToggleMark();
    EXPECT_FALSE(view.marked);
    EXPECT_EQ(store->ReadRecord(1), (cRecordSpec{1, 0, 0, 0, 1}));
    // Unmarked, then answered wrongly: marked again.
    session->GiveAnswer(0);
    EXPECT_EQ(store->ReadRecord(1).bnUltimoEsito, 2);
}

TEST_F(QuizSessionTest, CancelledQuestionNoticeNamesTheCorrectLetter)
{
    Make(2);
    set->Item(1)->Difficolta = 9;
    set->Item(1)->RispostaCorretta = 3;
    set->Item(2)->Difficolta = 0;
    Start();
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_EQ(view.notices[0],
              "Il quesito attualmente visualizzato è stato ufficialmente annullato.\r\n"
              "Esso NON verrà proposto in sede d'esame, e quindi NON è necessario memorizzarlo.\r\n\r\n"
              "In questo test la risposta esatta è la lettera  --C--");
    EXPECT_EQ(session->CorrectAnswerText(), "La risposta corretta per questa domanda è la 'C'.");
    session->Defer();
    EXPECT_EQ(view.shown.back().difficultyWord, "");
    EXPECT_EQ(view.notices.size(), 1u);
}

TEST_F(QuizSessionTest, CountdownExpiresOnceAtZero)
{
    Make(1);
    Start(-1, 0, 1);
    ASSERT_TRUE(session->CountdownRunning());
    EXPECT_EQ(view.times.back(), "00:01:00");
    session->CountdownTick();
    EXPECT_EQ(view.times.back(), "00:00:59");
    for (int i = 0; i < 59; ++i) session->CountdownTick();
    EXPECT_EQ(view.times.back(), "00:00:00");
    EXPECT_EQ(view.expired, 1);
    EXPECT_FALSE(session->CountdownRunning());
    for (int i = 0; i < 3; ++i) session->CountdownTick();
    EXPECT_EQ(view.times.back(), "00:00:00");
    EXPECT_EQ(view.expired, 1);
    // The test goes on.
    session->GiveAnswer(1);
    EXPECT_EQ(view.finish.size(), 1u);
}

TEST_F(QuizSessionTest, TwoHoursCountDownAcrossTheHour)
{
    Make(1);
    Start(-1, 2, 0);
    EXPECT_EQ(view.times.back(), "02:00:00");
    session->CountdownTick();
    EXPECT_EQ(view.times.back(), "01:59:59");

    Make(1);
    Start(-1, 0, 0);
    EXPECT_FALSE(session->CountdownRunning());
}

TEST_F(QuizSessionTest, ReviewRowsInTestOrderWithLettersAndOutcome)
{
    Make(4);
    set->Item(1)->RispostaData = 2;
    set->Item(2)->RispostaData = 5;
    set->Item(3)->RispostaData = 9;  // a damaged session file
    set->Item(4)->RispostaCorretta = 1;
    const auto rows = ReviewRows(*set);
    ASSERT_EQ(rows.size(), 4u);
    auto describe = [](const ReviewRow& r) {
        return std::to_string(r.number) + " " + std::to_string(r.gazette) + " " + r.given + "/" + r.correct + " " +
               ReviewOutcome(r.right);
    };
    EXPECT_EQ(describe(rows[0]), "1 101 B/B Esatta");
    EXPECT_EQ(describe(rows[1]), "2 102 E/B Errata");
    EXPECT_EQ(describe(rows[2]), "3 103 /B Errata");
    EXPECT_EQ(describe(rows[3]), "4 104 /A Errata");
    EXPECT_EQ(rows[1].question, set->Item(2));
}

TEST(QuizColours, DarkenHalvesTiesToEvenAndLightenCaps)
{
    using namespace QuizColours;
    EXPECT_EQ(DarkenColour(RGB(255, 1, 3)), RGB(128, 0, 2));
    EXPECT_EQ(DarkenColour(RGB(192, 5, 0)), RGB(96, 2, 0));
    EXPECT_EQ(LightenColour(RGB(255, 128, 1)), RGB(255, 171, 1));
    EXPECT_EQ(LightenColour(RGB(192, 2, 0)), RGB(255, 3, 0));
}

TEST(QuizColours, LegibleKeepsGoodColoursAndLiftsFaintOnes)
{
    using namespace QuizColours;
    EXPECT_EQ(Legible(RGB(0, 128, 128), RGB(255, 255, 255)), RGB(0, 128, 128));
    // The dark look's score on its top band.
    const TemaColor lifted = Legible(RGB(0, 128, 128), RGB(64, 64, 96));
    EXPECT_GE(Contrast(lifted, RGB(64, 64, 96)), 3.0);
    EXPECT_GT(lifted & 0xFF00, RGB(0, 128, 0));
    EXPECT_LT(Contrast(lifted, RGB(0, 128, 128)), 1.6);  // still near the theme colour
    EXPECT_GE(Contrast(Legible(RGB(250, 250, 250), RGB(255, 255, 255)), RGB(255, 255, 255)), 3.0);
}
