// The question cycle without widgets: a recording view stands in for the quiz window.
#include "support/ProgramTest.h"

#include "bank/cRecordBase.h"

#include "setup/ModGlobal.h"

#include "quiz/QuizColours.h"
#include "quiz/QuizSession.h"
#include "quiz/ReviewRows.h"

#include <functional>
#include <memory>

namespace {

namespace fs = std::filesystem;
using support::Record;

class RecordingView : public IQuizView {
public:
    void DisplayQuestion(const QuestionDisplay& d) override { shown += std::to_string((last = d).position); }
    void SetCounterText(const std::string& text) override { counter = text; }
    void SetErrataMark(bool marked) override { marks += marked ? '1' : '0'; }
    void SetAnswerState(int index, int state) override { states[index] = static_cast<char>('0' + state); }
    void SetPointerTracking(bool) override {}
    void ShowAnswerResult(int32_t given, int32_t correct) override
    {
        results += std::to_string(given) + "/" + std::to_string(correct) + " " + states + ";";
        if (onResult) onResult();
    }
    void ShowCancelledNotice(const std::string& text) override { notices.push_back(text); }
    void ShowTime(const std::string& text) override { time = text; }
    void StopCountdown() override {}
    void ShowTimeExpired() override { ++expired; }
    void FinishTest(const std::string& text) override { score = text; }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }

    std::string shown, counter, marks, states = "00000", results, time, score;  // shown: the positions, in order
    std::vector<std::string> notices, warnings;
    QuestionDisplay last;
    int expired = 0;
    std::function<void()> onResult;
};

// A test with these answers given, one digit per question: codes 1.., gazette
// numbers 101.., answer B correct; and a fresh statistics file.
class QuizSessionTest : public support::ProgramTest {
protected:
    void Make(const std::string& answers)
    {
        fs::remove(RecPath());
        ASSERT_TRUE(store->CreateNew(RecPath()));
        set = std::make_shared<cQuesiti>();
        for (int i = 1; i <= static_cast<int>(answers.size()); ++i) {
            auto q = set->Add(i);
            q->IDGazzetta = 100 + i;
            q->RispostaCorretta = 2;
            for (int r = 1; r <= 4; ++r) q->SetRisposta(r, "X");
        }
        set->SetRisposteDate(answers);
        ModGlobal::TestSet = set;
        view = RecordingView();
        session = std::make_unique<QuizSession>(view, set, store, 4);
    }

    // R a right answer, W a wrong one, D deferred.
    void Play(const std::string& script)
    {
        for (const char c : script) c == 'D' ? session->Defer() : session->GiveAnswer(c == 'R' ? 1 : 0);
    }

    std::string Views() const
    {
        std::string views;
        for (const auto& q : *set) views += std::to_string(store->ReadRecord(q->Codice).nVisualizzate);
        return views;
    }

    RecordingView view;
    std::shared_ptr<cQuesiti> set;
    std::shared_ptr<cRecordBase> store = std::make_shared<cRecordBase>();
    std::unique_ptr<QuizSession> session;
};

struct Cycle {
    const char* before;         // answers given before the start, one digit per question
    int resume, resumeCorrect;  // StartTest's resume position (-1: a new test) and score
    bool interrupted;           // resumed from the interrupted-test file
    const char *script, *shown, *views, *counter, *score;  // views: in the statistics file; score: "" while running
};

}  // namespace

TEST_F(QuizSessionTest, QuestionCycle)
{
    const Cycle cycles[] = {
        {"00000", -1, 0, false, "", "1", "10000", "Risposte esatte: 0 su 0", ""},
        {"00000", -1, 0, false, "R", "12", "11000", "Risposte esatte: 1 su 1  (100%)", ""},
        {"00000", -1, 0, false, "RWR", "1234", "11110", "Risposte esatte: 2 su 3  (66%)", ""},
        // A deferred question comes back after the last one, counting another view.
        {"000", -1, 0, false, "RDWR", "1232", "121", "Risposte esatte: 1 su 3  (33%)", "2 quesiti, pari al 66% delle 3"},
        {"00", -1, 0, false, "DDDDDWW", "1212121", "43", "Risposte esatte: 0 su 2  (0%)", "0 quesiti, pari al 0% delle 2"},
        {"000", -1, 0, false, "RWW", "123", "111", "Risposte esatte: 1 su 2  (50%)", "1 quesiti, pari al 33% delle 3"},
        // A suspended test: the first pending question counts its view, the resumed one none.
        {"2202220000", 6, 5, false, "", "37", "0010000000", "Risposte esatte: 5 su 6  (83%)", ""},
        {"2222220000", 6, 6, false, "", "77", "0000001000", "Risposte esatte: 6 su 6  (100%)", ""},
        // An interrupted test goes on at the next question, counting its view only.
        {"2000", 2, 1, true, "", "3", "0010", "Risposte esatte: 1 su 2  (50%)", ""},
        // Gone round once: back at a deferred question, every question counts as passed.
        {"0200", 0, 1, true, "", "1", "1000", "Risposte esatte: 1 su 4  (25%)", ""},
        // Killed after the last answer: the score comes at once.
        {"22", 1, 2, true, "", "", "00", "", "2 quesiti, pari al 100% delle 2"},
    };
    for (const Cycle& c : cycles) {
        SCOPED_TRACE(std::string(c.before) + " " + std::to_string(c.resume) + " " + c.script);
        Make(c.before);
        session->StartTest(0, 0, c.resume, c.resumeCorrect, c.interrupted);
        Play(c.script);
        EXPECT_EQ(view.shown, c.shown);
        EXPECT_EQ(Views(), c.views);
        EXPECT_EQ(view.counter, c.counter);
        EXPECT_EQ(view.score, *c.score ? "  TEST COMPLETATO!\r\n\r\nSono stati indovinati " + std::string(c.score) + " domande totali." : "");
    }
}

TEST_F(QuizSessionTest, AnswersAreRecordedLoggedAndMarked)
{
    Make("000");
    store->WriteRecord(1, Record(0, 0, 0, 2));
    store->WriteRecord(3, Record(4, 0, 0, 7));
    session->StartTest(0, 0, -1, 0);
    Play("RW");  // a right answer leaves the mark, a wrong one marks
    EXPECT_EQ(view.last.views, 4);  // before this view is added
    session->ToggleMark();
    session->ToggleMark();
    EXPECT_EQ(store->ReadRecord(3), Record(5, 0, 0, 1));
    Play("W");  // unmarked, then wrong: marked again
    EXPECT_EQ(view.marks, "10010");
    EXPECT_EQ(store->ReadRecord(1), Record(1, 1, 0, 2));
    EXPECT_EQ(store->ReadRecord(2), Record(1, 0, 1, 2));
    EXPECT_EQ(store->ReadRecord(3), Record(5, 0, 1, 2));
    EXPECT_EQ(view.results, "2/2 02000;1/2 20000;1/2 20000;");
    EXPECT_EQ(support::ReadBytes(LogPath()),
              "DOM:05/03/2024 09:07:02|1|1\r\nDOM:05/03/2024 09:07:02|2|0\r\nDOM:05/03/2024 09:07:02|3|0\r\n");

    Make("00");
    store->CloseRecordBase();  // without its statistics file the test goes on
    session->StartTest(0, 0, -1, 0);
    session->ToggleMark();
    Play("W");
    EXPECT_EQ(view.shown, "12");
}

TEST_F(QuizSessionTest, ProgressIsKeptAtTheNextQuestionToShowAndRemovedAtTheEnd)
{
    Make("0000");
    const fs::path file = root / "t.dat.interrotto.test";
    session->KeepProgressIn(file);
    // From the position line on.
    auto kept = [&] {
        const std::string s = support::ReadBytes(file);
        return s.substr(s.find("\r\n", s.find("\r\n") + 2) + 2);
    };
    session->StartTest(0, 0, -1, 0);
    Play("D");  // nothing answered yet, nothing kept
    EXPECT_FALSE(fs::exists(file));
    Play("RD");
    EXPECT_EQ(kept(), "4\r\n1;2;3;4;\r\n0200\r\n2222\r\n");
    std::string keptWhileResultShown;
    view.onResult = [&] { keptWhileResultShown = kept(); };
    Play("W");  // then round to 1
    EXPECT_EQ(keptWhileResultShown, "1\r\n1;2;3;4;\r\n0201\r\n2222\r\n");
    Play("RR");
    EXPECT_NE(view.score, "");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(view.warnings.empty());

    // Where nothing can be written the user is told once, and the test goes on.
    Make("000");
    session->KeepProgressIn(root / "assente" / "t.test");
    session->StartTest(0, 0, -1, 0);
    Play("RR");
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0].rfind("Non è stato possibile conservare il test in corso (", 0), 0u);
    EXPECT_EQ(session->CurrentIndex(), 3);
}

TEST_F(QuizSessionTest, CancelledQuestionNoticeNamesTheCorrectLetter)
{
    Make("00");
    set->Item(1)->Difficolta = 9;
    set->Item(1)->RispostaCorretta = 3;
    set->Item(2)->Difficolta = 1;
    session->StartTest(0, 0, -1, 0);
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_TRUE(view.notices[0].ends_with("In questo test la risposta esatta è la lettera  --C--")) << view.notices[0];
    EXPECT_EQ(view.last.difficultyWord, "");
    EXPECT_EQ(session->CorrectAnswerText(), "La risposta corretta per questa domanda è la 'C'.");
    Play("D");
    EXPECT_EQ(view.last.difficultyWord, "facile");
    EXPECT_EQ(view.notices.size(), 1u);
}

TEST_F(QuizSessionTest, CountdownExpiresOnceAtZeroAndTheTestGoesOn)
{
    Make("0");
    session->StartTest(2, 0, -1, 0);
    session->CountdownTick();
    EXPECT_EQ(view.time, "01:59:59");
    Make("0");
    session->StartTest(0, 1, -1, 0);
    EXPECT_EQ(view.time, "00:01:00");
    for (int i = 0; i < 63; ++i) session->CountdownTick();
    EXPECT_EQ(view.time, "00:00:00");
    EXPECT_EQ(view.expired, 1);
    EXPECT_FALSE(session->CountdownRunning());
    Play("R");
    EXPECT_NE(view.score, "");

    Make("0");
    session->StartTest(0, 0, -1, 0);
    EXPECT_FALSE(session->CountdownRunning());
}

TEST_F(QuizSessionTest, ReviewRowsInTestOrderWithLettersAndOutcome)
{
    Make("0000");
    set->SetRisposteDate("2590");  // 9: a damaged session file
    set->Item(4)->RispostaCorretta = 1;
    std::string rows;
    for (const ReviewRow& r : ReviewRows(*set))
        rows += std::to_string(r.number) + " " + std::to_string(r.gazette) + " " + r.given + "/" + r.correct + " "
                + ReviewOutcome(r.right) + (r.question == set->Item(r.number) ? ";" : "?");
    EXPECT_EQ(rows, "1 101 B/B Esatta;2 102 E/B Errata;3 103 /B Errata;4 104 /A Errata;");
}

TEST(QuizColours, DarkenHalvesTiesToEvenLightenCapsAndLegibleLiftsFaintColours)
{
    using namespace QuizColours;
    EXPECT_EQ(DarkenColour(RGB(255, 1, 3)), RGB(128, 0, 2));
    EXPECT_EQ(DarkenColour(RGB(192, 5, 0)), RGB(96, 2, 0));
    EXPECT_EQ(LightenColour(RGB(255, 128, 1)), RGB(255, 171, 1));
    EXPECT_EQ(LightenColour(RGB(192, 2, 0)), RGB(255, 3, 0));
    EXPECT_EQ(Legible(RGB(0, 128, 128), RGB(255, 255, 255)), RGB(0, 128, 128));
    // The dark look's score on its top band: lifted, still near the theme colour.
    const TemaColor lifted = Legible(RGB(0, 128, 128), RGB(64, 64, 96));
    EXPECT_GE(Contrast(lifted, RGB(64, 64, 96)), 3.0);
    EXPECT_LT(Contrast(lifted, RGB(0, 128, 128)), 1.6);
    EXPECT_GE(Contrast(Legible(RGB(250, 250, 250), RGB(255, 255, 255)), RGB(255, 255, 255)), 3.0);
}
