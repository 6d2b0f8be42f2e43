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

class RecordingView : public IQuizView {
public:
    void DisplayQuestion(const QuestionDisplay& d) override { shown += std::to_string((last = d).position); }
    void SetCounterText(const std::string& text) override { counter = text; }
    void SetErrataMark(bool marked) override { marks += marked ? '1' : '0'; }
    void SetAnswerState(int index, int state) override { states[index] = static_cast<char>('0' + state); }
    void SetPointerTracking(bool) override {}
    void ShowAnswerResult(int32_t, int32_t) override { if (onResult) onResult(); }
    void ShowCancelledNotice(const std::string& text) override { notices.push_back(text); }
    void ShowTime(const std::string& text) override { time = text; }
    void StopCountdown() override {}
    void ShowTimeExpired() override { ++expired; }
    void FinishTest(const std::string& text) override { score = text; }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }

    std::string shown, counter, marks, states = "00000", time, score;  // shown: the positions, in order
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

    RecordingView view;
    std::shared_ptr<cQuesiti> set;
    std::shared_ptr<cRecordBase> store = std::make_shared<cRecordBase>();
    std::unique_ptr<QuizSession> session;
};

}  // namespace

TEST_F(QuizSessionTest, QuestionCycle)
{
    for (const auto& c : support::Table(support::Fixtures::Source("quiz/cycles.tsv"))) {
        ASSERT_EQ(c.size(), 9u) << c[0];
        SCOPED_TRACE(c[0] + " " + c[1] + " " + c[4]);
        Make(c[0]);
        session->StartTest(0, 0, std::stoi(c[1]), std::stoi(c[2]), c[3] == "1");
        Play(c[4]);
        EXPECT_EQ(view.shown, c[5]);
        std::string views;
        for (const auto& q : *set) views += std::to_string(store->ReadRecord(q->Codice).nVisualizzate);
        EXPECT_EQ(views, c[6]);
        EXPECT_EQ(view.counter, c[7]);
        EXPECT_EQ(view.score, c[8]);
    }
}

TEST_F(QuizSessionTest, AnswersAreRecordedLoggedAndMarked)
{
    Make("000");
    store->WriteRecord(1, support::Record(0, 0, 0, 2));
    store->WriteRecord(3, support::Record(4, 0, 0, 7));
    session->StartTest(0, 0, -1, 0);
    Play("RW");  // a right answer leaves the mark, a wrong one marks
    EXPECT_EQ(view.last.views, 4);  // before this view is added
    session->ToggleMark();
    session->ToggleMark();
    EXPECT_EQ(store->ReadRecord(3), support::Record(5, 0, 0, 1));
    Play("W");  // unmarked, then wrong: marked again
    EXPECT_EQ(view.marks, "10010");
    EXPECT_EQ(store->ReadRecord(1), support::Record(1, 1, 0, 2));
    EXPECT_EQ(store->ReadRecord(2), support::Record(1, 0, 1, 2));
    EXPECT_EQ(store->ReadRecord(3), support::Record(5, 0, 1, 2));
    EXPECT_EQ(view.states, "20000") << "the answer given, highlighted";
    EXPECT_EQ(support::ReadBytes(LogPath()),
              "DOM:05/03/2024 09:07:02|1|1\r\nDOM:05/03/2024 09:07:02|2|0\r\nDOM:05/03/2024 09:07:02|3|0\r\n");
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
    session->StartTest(0, 0, -1, 0);
    EXPECT_EQ(session->CorrectAnswerText(), "La risposta corretta per questa domanda è la 'C'.");
    Play("D");
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_TRUE(view.notices[0].ends_with("In questo test la risposta esatta è la lettera  --C--")) << view.notices[0];
}

TEST_F(QuizSessionTest, CountdownExpiresOnceAtZeroAndTheTestGoesOn)
{
    Make("0");
    session->StartTest(2, 0, -1, 0);
    session->CountdownTick();
    EXPECT_EQ(view.time, "01:59:59");
    Make("0");
    session->StartTest(0, 1, -1, 0);
    for (int i = 0; i < 63; ++i) session->CountdownTick();
    EXPECT_EQ(view.time + " expired " + std::to_string(view.expired), "00:00:00 expired 1");
    Play("R");
    EXPECT_NE(view.score, "");
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
    EXPECT_EQ(LightenColour(RGB(255, 128, 1)), RGB(255, 171, 1));
    EXPECT_EQ(Legible(RGB(0, 128, 128), RGB(255, 255, 255)), RGB(0, 128, 128));
    // The dark look's score on its top band: lifted, still near the theme colour.
    const TemaColor lifted = Legible(RGB(0, 128, 128), RGB(64, 64, 96));
    EXPECT_GE(Contrast(lifted, RGB(64, 64, 96)), 3.0);
    EXPECT_LT(Contrast(lifted, RGB(0, 128, 128)), 1.6);
    EXPECT_GE(Contrast(Legible(RGB(250, 250, 250), RGB(255, 255, 255)), RGB(255, 255, 255)), 3.0);
}
