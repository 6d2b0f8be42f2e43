// The question cycle without widgets: a recording view stands in for the quiz window.
#include "support/ProgramTest.h"

#include "bank/cRecordBase.h"

#include "setup/SessionFile.h"

#include "quiz/QuizColours.h"
#include "quiz/QuizSession.h"
#include "quiz/ReviewRows.h"

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

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
    void FinishTest(const std::string& text, const HistoryEntry& ended) override
    {
        score = text;
        result = ended;
    }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }

    std::string shown, counter, marks, states = "00000", time, score;  // shown: the positions, in order
    std::vector<std::string> notices, warnings;
    QuestionDisplay last;
    HistoryEntry result;
    int expired = 0;
    std::function<void()> onResult;
};

// A test with these answers given, one digit per question: codes 1.., gazette
// numbers 101.., answer B correct; and a fresh statistics file.
class QuizSessionTest : public support::ProgramTest {
protected:
    void Make(const std::string& answers, TestRequest request = {}, fs::path progress = {})
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
        view = RecordingView();
        session = std::make_unique<QuizSession>(
            view, QuizInputs{set, store, AnswerLog(LogPath()), std::move(progress), std::move(request), 4, {}});
    }

    // The kept test from its position line on.
    static std::string Kept(const fs::path& file)
    {
        const std::string s = support::ReadBytes(file);
        return s.substr(s.find("\r\n", s.find("\r\n") + 2) + 2);
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

// One row of tests/fixtures/quiz/cycles.tsv.
class QuestionCycle : public QuizSessionTest, public ::testing::WithParamInterface<support::TableRow> {};

TEST_P(QuestionCycle, GoesAsTheTableSays)
{
    const auto& c = GetParam().cells;
    ASSERT_EQ(c.size(), 9u);
    Make(c[0]);
    if (c[3] == "-") {
        session->StartTest(std::stoi(c[1]), std::stoi(c[2]));
    } else {
        TestRecord left = TestRecord::Of({}, *set, std::stoi(c[1]));
        left.Passed = std::stoi(c[2]);
        left.HasViews = true;
        for (size_t i = 0; i < left.Items.size(); ++i) left.Items[i].ViewCounted = c[3][i] == '1';
        session->ResumeTest(left);
    }
    Play(c[4]);
    EXPECT_EQ(view.shown, c[5]);
    std::string views;
    for (const auto& q : *set) views += std::to_string(store->ReadRecord(q->Codice).nVisualizzate);
    EXPECT_EQ(views, c[6]);
    EXPECT_EQ(view.counter, c[7]);
    EXPECT_EQ(view.score, c[8]);
}

INSTANTIATE_TEST_SUITE_P(Cycles, QuestionCycle,
                         ::testing::ValuesIn(support::TableRows(support::Fixtures::Source("quiz/cycles.tsv"))),
                         support::RowName);

TEST_F(QuizSessionTest, AnswersAreRecordedLoggedAndMarked)
{
    Make("000");
    ASSERT_TRUE(store->WriteRecord(1, support::Record(0, 0, 0, 2)));
    ASSERT_TRUE(store->WriteRecord(3, support::Record(4, 0, 0, 7)));
    session->StartTest();
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

TEST_F(QuizSessionTest, ProgressIsKeptAtEveryViewAndAnswerAndRemovedAtTheEnd)
{
    const fs::path file = root / "t.dat.interrotto.test";
    Make("0000", {}, file);
    session->StartTest();
    // Position, codes, answers, correct answers, each answer order, views counted, passed.
    EXPECT_EQ(Kept(file), "1\r\n1;2;3;4;\r\n0000\r\n2222\r\nordine=12345;12345;12345;12345\r\n"
                          "viste=1000\r\npassati=0\r\niniziato=05/03/2024 09:07:02\r\n");
    Play("DRD");
    std::string keptWhileResultShown;
    view.onResult = [&] { keptWhileResultShown = Kept(file); };
    Play("W");  // then round to 1
    const auto sixLines = [](const std::string& kept) { return kept.substr(0, kept.find("ordine=")); };
    EXPECT_EQ(sixLines(keptWhileResultShown), "4\r\n1;2;3;4;\r\n0201\r\n2222\r\n");
    EXPECT_EQ(sixLines(Kept(file)), "1\r\n1;2;3;4;\r\n0201\r\n2222\r\n");
    EXPECT_NE(Kept(file).find("viste=1111\r\npassati=4\r\n"), std::string::npos) << Kept(file);
    Play("RR");
    EXPECT_NE(view.score, "");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(view.warnings.empty());

    // A timed test is kept with the time it has.
    TestRequest timed;
    timed.TimeLimitMinutes = 50;
    Make("00", timed, file);
    session->StartTest();
    // At every whole minute too, with the question still on screen.
    for (int i = 0; i < 60; ++i) session->CountdownTick();
    EXPECT_NE(Kept(file).find("tempo=2940\r\n"), std::string::npos) << Kept(file);
    for (int i = 0; i < 15; ++i) session->CountdownTick();
    Play("R");
    EXPECT_NE(Kept(file).find("tempo=2925\r\n"), std::string::npos) << Kept(file);
    // An exam whose time runs out is kept at once, with its verdict taken.
    TestRequest exam;
    exam.OrderMode = OrderEsame;
    exam.TimeLimitMinutes = 1;
    Make("00", exam, file);
    session->StartTest();
    for (int i = 0; i < 60; ++i) session->CountdownTick();
    EXPECT_NE(Kept(file).find("tardive=00\r\npassati=0\r\ntempo=0\r\n"), std::string::npos) << Kept(file);

    // Where nothing can be written the user is told once, and the test goes on.
    Make("000", {}, root / "assente" / "t.test");
    session->StartTest();
    Play("RR");
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0].rfind("Non è stato possibile conservare il test in corso (", 0), 0u);
    EXPECT_EQ(session->CurrentIndex(), 3);
}

TEST_F(QuizSessionTest, AKeptTestResumesWithItsTimeAndWhenItBegan)
{
    const fs::path file = root / "t.dat.interrotto.test";
    TestRequest timed;
    timed.TimeLimitMinutes = 50;
    Make("000", timed, file);
    session->StartTest();
    for (int i = 0; i < 61; ++i) session->CountdownTick();
    Play("W");
    const auto kept = SessionFile::Read(file);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->record.SecondsLeft, 49 * 60 - 1);

    Make("000", timed, file);
    set->Item(1)->RispostaData = 1;
    ASSERT_TRUE(store->WriteRecord(2, support::Record(3, 0, 0, 0)));
    session->ResumeTest(kept->record);
    EXPECT_EQ(view.time, "00:48:59");
    // The question on screen shows the views it showed before, its own not among them.
    EXPECT_EQ(view.last.views, 2);
    EXPECT_EQ(store->ReadRecord(2).nVisualizzate, 3);
    EXPECT_TRUE(session->CountdownRunning());
    EXPECT_EQ(session->Started(), "05/03/2024 09:07:02");
    // Out of time when it was left: back at 00:00:00, stopped, still timed.
    TestRecord late = kept->record;
    late.SecondsLeft = 0;
    Make("000", timed, file);
    session->ResumeTest(late);
    EXPECT_EQ(view.time, "00:00:00");
    EXPECT_FALSE(session->CountdownRunning());
    EXPECT_TRUE(session->Timed());
    // An exam whose verdict was taken before it was left keeps it taken.
    late.TimedOut = true;
    Make("000", timed, file);
    session->ResumeTest(late);
    EXPECT_TRUE(session->TimedOut());
}

TEST_F(QuizSessionTest, AStatisticsWriteThatFailsIsToldOnce)
{
    Make("000");
    session->StartTest();
    // The file may not grow past its first record, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 20;
    setrlimit(RLIMIT_FSIZE, &small);
    Play("RR");
    setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0].rfind("Non è stato possibile aggiornare il file delle statistiche", 0), 0u);
    EXPECT_EQ(session->CurrentIndex(), 3) << "the test goes on";
}

TEST_F(QuizSessionTest, CancelledQuestionNoticeNamesTheCorrectLetter)
{
    Make("00");
    set->Item(1)->Difficolta = 9;
    set->Item(1)->RispostaCorretta = 3;
    session->StartTest();
    EXPECT_EQ(session->CorrectAnswerText(), "La risposta corretta per questa domanda è la 'C'.");
    Play("D");
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_TRUE(view.notices[0].ends_with("In questo test la risposta esatta è la lettera  --C--")) << view.notices[0];
}

TEST_F(QuizSessionTest, CountdownExpiresOnceAtZeroAndTheTestGoesOn)
{
    TestRequest limit;
    limit.TimeLimitHours = 2;
    Make("0", limit);
    session->StartTest();
    session->CountdownTick();
    EXPECT_EQ(view.time, "01:59:59");
    limit.TimeLimitHours = 0;
    limit.TimeLimitMinutes = 1;
    Make("0", limit);
    session->StartTest();
    for (int i = 0; i < 63; ++i) session->CountdownTick();
    EXPECT_EQ(view.time + " expired " + std::to_string(view.expired), "00:00:00 expired 1");
    Play("R");
    EXPECT_NE(view.score, "");
    EXPECT_FALSE(view.result.TimedOut) << "only an exam simulation's verdict is taken at the time";

    // An exam: answers after the time ran out are practice, blank for its verdict; they still
    // count in the score message and the statistics.
    limit.OrderMode = OrderEsame;
    Make("000", limit);
    session->StartTest();
    Play("R");
    for (int i = 0; i < 60; ++i) session->CountdownTick();
    Play("RW");
    EXPECT_TRUE(view.score.find("indovinati 2 quesiti") != std::string::npos) << view.score;
    EXPECT_TRUE(view.result.TimedOut);
    const TestScore verdict = view.result.Score();
    EXPECT_EQ(std::tuple(verdict.right, verdict.wrong, verdict.blank), std::tuple(1, 0, 2));
    EXPECT_EQ(store->ReadRecord(3), support::Record(1, 0, 1, 2));
}

TEST_F(QuizSessionTest, ReviewRowsInTestOrderWithLettersAndOutcome)
{
    Make("0000");
    set->SetRisposteDate("2590");  // 9: a damaged session file
    set->Item(4)->RispostaCorretta = 1;
    std::vector<TestItem> items(4);
    items[1].Late = true;  // after an exam's time ran out
    items[2].Late = true;  // not answered at all: blank either way
    std::string rows;
    for (const ReviewRow& r : ReviewRows(*set, items))
        rows += std::to_string(r.number) + " " + std::to_string(r.gazette) + " " + r.given + "/" + r.correct + " "
                + ReviewOutcome(r) + (r.question == set->Item(r.number) ? ";" : "?");
    EXPECT_EQ(rows, "1 101 B/B Esatta;2 102 E/B Errata (fuori tempo);3 103 /B In bianco;4 104 /A In bianco;");
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
