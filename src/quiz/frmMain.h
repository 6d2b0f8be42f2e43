#pragma once

#include "quiz/IQuizView.h"
#include "quiz/QuizSession.h"

#include <QColor>
#include <QElapsedTimer>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>

class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
struct cTema;

// The quiz screen: one question at a time, answered by click or by the keys
// A-E, with the side band's commands. The question cycle itself lives in
// QuizSession; this window shows what it decides and forwards the user's acts.
class frmMain : public QWidget, public IQuizView {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // A new quiz window for the test in ModGlobal::TestSet, shown with its
    // first question; deleted when it closes.
    static frmMain* ShowNew();

    // Where the pointer is, in screen pixels; tests put their own here.
    // An empty source returns to QCursor::pos().
    static void SetPointerSource(std::function<QPoint()> source);

    QuizSession& Session() { return *m_session; }

    // The two timers' steps, callable directly by tests.
    void CountdownTick();
    void PointerTick();

    // The painted state of answer box i: 0 normal, 1 pointer over, 2 highlighted.
    int AnswerState(int index) const { return index >= 0 && index < 5 ? m_state[index] : -1; }

    // IQuizView
    void DisplayQuestion(const QuestionDisplay& display) override;
    void SetCounterText(const std::string& text) override;
    void SetErrataMark(bool marked) override;
    void SetAnswerState(int index, int state) override;
    void SetPointerTracking(bool enabled) override;
    void ShowAnswerResult(int32_t given, int32_t correct) override;
    void ShowCancelledNotice(const std::string& text) override;
    void ShowTime(const std::string& text) override;
    void StopCountdown() override;
    void ShowTimeExpired() override;
    void ShowWarning(const std::string& text) override;
    void FinishTest(const std::string& scoreText, const HistoryEntry& result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct AnswerColours {
        QColor side, letter, box, text;
    };

    static QColor Colour(uint32_t temaColour);

    void BuildControls();
    void StartTest();
    void ApplyTheme();
    AnswerColours StateColours(int state) const;
    void LayoutControls();
    void LayoutSideBand();
    int FitQuestionFont() const;
    int FitAnswerFont(int index) const;
    int TextHeight(const QLabel* label, int pointSize, int width) const;
    void PlaceErrataButton(bool marked);
    void SetDifficultyColour(const QColor& colour);
    bool IsKeyRepeat(const QKeyEvent& key);
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);

    void AnswerChosen(int index);
    void Defer();
    void SaveTest();
    void HandIn();
    void RevealCorrect();
    void OpenPassage();

    std::unique_ptr<QuizSession> m_session;
    std::shared_ptr<cTema> m_theme;
    int m_firstBoxHeight = 0;  // twips
    bool m_timeShown = false;
    bool m_closing = false;
    bool m_boxShown[5] = {true, true, true, false, false};
    int m_state[5] = {-1, -1, -1, -1, -1};
    AnswerColours m_applied[5];
    QElapsedTimer m_answerClock;
    struct {
        int key = 0;
        quint64 time = 0;
    } m_lastRelease;

    QWidget* picTop = nullptr;
    QLabel* lbLogoTR = nullptr;
    QLabel* lbContaRisposte = nullptr;
    QLabel* lbNumero = nullptr;
    QLabel* lbDifficolta = nullptr;
    QLabel* lbArgomento = nullptr;
    QLabel* lbQuesito = nullptr;
    QWidget* picBoxRisposta[5] = {};
    QWidget* picRispSide[5] = {};
    QLabel* lbLetter[5] = {};
    QLabel* lbRisposta[5] = {};
    QWidget* picSide = nullptr;
    QWidget* picStatDomanda = nullptr;
    QLabel* lbhdrVisual = nullptr;
    QLabel* lbnVisual = nullptr;
    QLabel* lbhdrEsatte = nullptr;
    QLabel* lbnEsatte = nullptr;
    QLabel* lbhdrErrate = nullptr;
    QLabel* lbnErrate = nullptr;
    QPushButton* cmdSalva = nullptr;
    QPushButton* cmdConsegna = nullptr;
    QPushButton* cmdRispDopo = nullptr;
    QPushButton* cmdLeggiBrano = nullptr;
    QPushButton* cmdRispostaCorretta = nullptr;
    QWidget* picErrata = nullptr;
    QLabel* lbDaRipetere = nullptr;
    QPushButton* cmdAddRipetere = nullptr;
    QLabel* lbHdrTempo = nullptr;
    QLabel* lbTempo = nullptr;
    QTimer* timCountDown = nullptr;
    QTimer* timUI = nullptr;
};
