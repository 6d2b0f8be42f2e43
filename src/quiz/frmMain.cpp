#include "quiz/frmMain.h"

#include "bank/ErrorText.h"
#include "bank/TextConvert.h"

#include "setup/TestResult.h"

#include "ui/AppSettings.h"
#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/Twips.h"

#include "quiz/frmBrano.h"
#include "quiz/frmImmagineDyn.h"
#include "quiz/frmMessage.h"
#include "quiz/frmRevisione.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <utility>

using ModGlobal::Shared;

namespace {

const QString kTitle = QStringLiteral("Tessarondequiz");

std::function<QPoint()>& PointerSource()
{
    static std::function<QPoint()> source;
    return source;
}

QPoint PointerPosition() { return PointerSource() ? PointerSource()() : QCursor::pos(); }

// Edges included on all four sides.
bool Inside(const QRect& r, const QPoint& p)
{
    return p.x() >= r.x() && p.x() <= r.x() + r.width() && p.y() >= r.y() && p.y() <= r.y() + r.height();
}

std::shared_ptr<cTema> ThemeInForce()
{
    const auto& g = Shared();
    if (g.CurrentTheme) return g.CurrentTheme;
    const auto themes = g.Themes && g.Themes->Count() > 0 ? g.Themes : ModThemes::InitThemes();
    return themes->Item(1);
}

// Set TESSARONDEQUIZ_TIMING to have the answer-to-result time printed.
bool TimingWanted()
{
    static const bool wanted = qEnvironmentVariableIsSet("TESSARONDEQUIZ_TIMING");
    return wanted;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    m_theme = ThemeInForce();
    const auto& g = Shared();
    QuizInputs inputs;
    inputs.questions = g.TestSet;
    inputs.store = g.RecordStore;
    const BankFiles files = g.CurrentFiles();
    inputs.log = AnswerLog(files.log);
    inputs.progressFile = files.interrupted;
    inputs.historyFile = files.history;
    inputs.request = g.Request();
    inputs.bankAnswers = g.Document ? g.Document->NumRisposte() : g.TestSet ? g.TestSet->NumRisposte : 4;
    m_session = std::make_unique<QuizSession>(*this, std::move(inputs));

    BuildControls();
    connect(timCountDown, &QTimer::timeout, this, &frmMain::CountdownTick);
    connect(timUI, &QTimer::timeout, this, &frmMain::PointerTick);
    connect(cmdRispDopo, &QPushButton::clicked, this, &frmMain::Defer);
    connect(cmdSalva, &QPushButton::clicked, this, &frmMain::SaveTest);
    connect(cmdConsegna, &QPushButton::clicked, this, &frmMain::HandIn);
    connect(cmdRispostaCorretta, &QPushButton::clicked, this, &frmMain::RevealCorrect);
    connect(cmdLeggiBrano, &QPushButton::clicked, this, &frmMain::OpenPassage);
    connect(cmdAddRipetere, &QPushButton::clicked, this, [this] {
        if (!m_closing) m_session->ToggleMark();
    });

    // Key preview: the window sees A-E and F3 before whichever control has focus.
    qApp->installEventFilter(this);

    setMinimumSize(Twips::ToPixels(12000), Twips::ToPixels(9300));
    QSize initial(1160, 740);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        initial = initial.boundedTo(s->availableGeometry().size() - QSize(40, 60));
    resize(initial.expandedTo(minimumSize()));
}

frmMain::~frmMain() { qApp->removeEventFilter(this); }

frmMain* frmMain::ShowNew()
{
    auto* window = new frmMain;
    window->show();
    window->activateWindow();
    window->StartTest();
    return window;
}

void frmMain::SetPointerSource(std::function<QPoint()> source) { PointerSource() = std::move(source); }

void frmMain::StartTest()
{
    // Five answers leave each box a little lower.
    if (m_session->BankAnswers() >= 5) m_firstBoxHeight -= 60;
    ApplyTheme();
    auto& g = Shared();
    if (const auto record = std::exchange(g.ResumeRecord, std::nullopt))
        m_session->ResumeTest(*record);
    else
        m_session->StartTest(g.ResumeIndex, g.ResumeCorrect);
    if (m_closing) return;
    m_timeShown = m_session->Timed();
    lbHdrTempo->setVisible(m_timeShown);
    lbTempo->setVisible(m_timeShown);
    LayoutSideBand();
    if (m_session->CountdownRunning()) timCountDown->start();
    setWindowTitle(QStringLiteral("Tessarondequiz - ") + QtText::FromCp1252(g.CompetitionTitle));
}

void frmMain::DisplayQuestion(const QuestionDisplay& d)
{
    setUpdatesEnabled(false);
    lbnVisual->setText(QString::number(d.views));
    lbnEsatte->setText(QString::number(d.correct));
    lbnErrate->setText(QString::number(d.wrong));
    lbNumero->setText(QtText::FromCp1252(d.numberLine));
    cmdLeggiBrano->setText(QtText::FromCp1252(d.passageCaption));
    cmdLeggiBrano->setVisible(d.passageButton);
    lbDifficolta->setText(QtText::FromCp1252(d.difficultyWord));
    if (!d.difficultyWord.empty()) SetDifficultyColour(Colour(d.difficultyColour));
    const QString topic = QtText::FromCp1252(d.topic);
    lbArgomento->setText(topic);
    lbArgomento->setToolTip(topic);
    lbQuesito->setText(QtText::FromCp1252(d.text));
    for (int i = 0; i < 5; ++i) {
        m_boxShown[i] = d.boxVisible[i];
        const QString text = QtText::FromCp1252(d.answers[i]);
        lbRisposta[i]->setText(text);
        picBoxRisposta[i]->setAccessibleName(QStringLiteral("Risposta %1: %2").arg(QChar(u'A' + i)).arg(text));
        picBoxRisposta[i]->setVisible(m_boxShown[i]);
        // A new question never starts highlighted; tracking repaints within a tick.
        SetAnswerState(i, 0);
    }
    LayoutControls();
    setUpdatesEnabled(true);
}

void frmMain::SetCounterText(const std::string& text) { lbContaRisposte->setText(QtText::FromUtf8(text)); }

void frmMain::SetErrataMark(bool marked)
{
    lbDaRipetere->setText(marked ? QStringLiteral("Questa domanda è contrassegnata come \"ERRATA\".") : QString());
    cmdAddRipetere->setText(marked ? QStringLiteral("Clicca qui per rimuoverla dalla lista")
                                   : QStringLiteral("Clicca qui per contrassegnare questo quesito come \"ERRATO\""));
    PlaceErrataButton(marked);
}

void frmMain::SetPointerTracking(bool enabled)
{
    if (enabled && !m_closing)
        timUI->start();
    else
        timUI->stop();
}

void frmMain::ShowAnswerResult(int32_t given, int32_t correct)
{
    frmMessage message(this);
    message.SetResult(given, correct);
    if (const auto q = m_session->Current(); given != correct && q && !q->Hint.empty()) message.OfferExplanation(q);
    if (m_answerClock.isValid()) {
        connect(&message, &frmMessage::FirstPainted, this, [this] {
            const qint64 latency = m_answerClock.elapsed();
            m_answerClock.invalidate();
            if (TimingWanted()) std::fprintf(stderr, "tessarondequiz: result window after %lld ms\n", latency);
        });
    }
    message.exec();
    m_answerClock.invalidate();
}

void frmMain::ShowCancelledNotice(const std::string& text)
{
    Prompts::Tell(QStringLiteral("Quesito annullato"), QtText::FromUtf8(text), MessageIcon::Information);
}

void frmMain::ShowTime(const std::string& text) { lbTempo->setText(QtText::FromUtf8(text)); }

void frmMain::StopCountdown() { timCountDown->stop(); }

void frmMain::ShowTimeExpired()
{
    Prompts::Tell(QStringLiteral("Attenzione!"), QStringLiteral("\r\n!!! TEMPO SCADUTO !!!\r\n \r\n"),
                  MessageIcon::Critical);
}

void frmMain::ShowWarning(const std::string& text)
{
    Prompts::Tell(QStringLiteral("Attenzione!"), QtText::FromUtf8(text), MessageIcon::Exclamation);
}

void frmMain::FinishTest(const std::string& scoreText, const HistoryEntry& result)
{
    const QString wanted = AppSettings().Get(AppSettings::Key::Revisione);
    const bool review = TextConvert::ToBool(wanted.toStdString()).value_or(true);
    // Without the review, the result follows the score message's own text.
    std::string text = scoreText;
    if (!review) {
        text += "\r\n";
        for (const std::string& line : TestResult::Lines(result)) text += "\r\n" + line;
    }
    Prompts::Tell(kTitle, QtText::FromUtf8(text), MessageIcon::Exclamation);
    if (review) {
        frmRevisione window(*m_session->Questions(), result, this);
        window.exec();
    }
    close();
}

void frmMain::HandIn()
{
    if (m_closing || m_session->Finished()) return;
    if (!Prompts::Confirm(QStringLiteral("Attenzione!"),
                          QStringLiteral("Vuoi consegnare il test? Le domande senza risposta saranno considerate in bianco."),
                          MessageIcon::Exclamation))
        return;
    m_session->HandIn();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool repeat = IsKeyRepeat(*key);
    if (static_cast<QWidget*>(watched)->window() != this) return false;
    // A held key acts once, whichever control has the focus.
    if (type == QEvent::KeyRelease) return repeat;
    return HandleKey(key->key(), key->modifiers(), repeat) || repeat;
}

bool frmMain::IsKeyRepeat(const QKeyEvent& key)
{
    if (key.isAutoRepeat()) return true;
    // X11 repeats a held key as release/press pairs and flags them only when
    // both already wait in the queue; an unflagged pair shares one time stamp.
    // Releases are watched in every window: the key may be let go over the
    // result window.
    if (key.type() == QEvent::KeyRelease) {
        m_lastRelease = {key.key(), key.timestamp()};
        return false;
    }
    return key.timestamp() != 0 && key.key() == m_lastRelease.key && key.timestamp() == m_lastRelease.time;
}

bool frmMain::HandleKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (m_closing) return false;
    int index = -1;
    switch (key) {
    case Qt::Key_A:
    case Qt::Key_B:
    case Qt::Key_C:
        index = key - Qt::Key_A;
        break;
    case Qt::Key_D:
        if (m_session->BankAnswers() < 4) return false;
        index = 3;
        break;
    case Qt::Key_E:
        if (m_session->BankAnswers() < 5) return false;
        index = 4;
        break;
    case Qt::Key_F3:
        if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
        // A held key would run through the questions: it acts once.
        if (!autoRepeat) Defer();
        return true;
    default:
        return false;
    }
    if (!autoRepeat) AnswerChosen(index);
    return true;
}

void frmMain::AnswerChosen(int index)
{
    if (m_closing || !m_session->Current()) return;
    m_answerClock.start();
    m_session->GiveAnswer(index);
}

void frmMain::Defer()
{
    if (m_closing || !m_session->Current()) return;
    // A green flash: the press was taken. Input stays queued meanwhile, so a
    // key pressed during the flash acts on the next question, not this one.
    const QPalette before = cmdRispDopo->palette();
    QPalette flash = before;
    flash.setColor(QPalette::Button, QColor(0, 255, 0));
    cmdRispDopo->setPalette(flash);
    cmdRispDopo->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(250);
    cmdRispDopo->setPalette(before);
    cmdRispDopo->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!m_closing) m_session->Defer();
}

void frmMain::SaveTest()
{
    if (m_closing) return;
    const QString file =
        Prompts::SaveFile(QStringLiteral("Registra sessione"), Prompts::SessionFileFilter(), QStringLiteral("test"));
    if (file.isEmpty()) return;
    Expected<void> saved;
    try {
        saved = m_session->SaveSession(QtText::ToPath(file));
    } catch (const std::exception& e) {
        saved = Fail(ErrorText::Describe(e));
    }
    if (!saved)
        Prompts::Tell(UnexpectedError("Errore inaspettato nella registrazione della sessione", saved.error().description));
}

void frmMain::RevealCorrect()
{
    if (m_closing || !m_session->Current()) return;
    Prompts::Tell(kTitle, QtText::FromUtf8(m_session->CorrectAnswerText()), MessageIcon::Information);
}

void frmMain::OpenPassage()
{
    const auto q = m_closing ? nullptr : m_session->Current();
    if (!q) return;
    SetPointerTracking(false);
    if (!q->Brano.empty() || !q->Hint.empty()) {
        frmBrano viewer(q, this);
        viewer.exec();
    } else if (!q->Immagine.empty()) {
        frmImmagineDyn viewer(q, this);
        viewer.exec();
    }
    SetPointerTracking(true);
}

void frmMain::CountdownTick()
{
    if (!m_closing) m_session->CountdownTick();
}

void frmMain::PointerTick()
{
    if (m_closing) return;
    const QPoint p = mapFromGlobal(PointerPosition());
    const QRect reveal(cmdRispostaCorretta->mapTo(this, QPoint(0, 0)), cmdRispostaCorretta->size());
    const int revealIndex = Inside(reveal, p) ? m_session->RevealIndex() : -1;
    for (int i = 0; i < 5; ++i) {
        int state = 0;
        if (i == revealIndex)
            state = 2;
        else if (m_boxShown[i] && Inside(picBoxRisposta[i]->geometry(), p))
            state = 1;
        SetAnswerState(i, state);
    }
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutControls();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        timCountDown->stop();
        timUI->stop();
        auto& g = Shared();
        g.RecordStore.reset();
        g.Document.reset();
        g.TestSet.reset();
        g.CurrentTheme.reset();
        if (ModWindows::ShowStartScreen) ModWindows::ShowStartScreen();
    }
    event->accept();
}
