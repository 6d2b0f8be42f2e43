// The quiz screen's wiring: keys, clicks, the side band, the result and review
// windows, the countdown; and a test killed half-way, then resumed.
#include "support/WindowTest.h"

#include "bank/ModEncoding.h"
#include "bank/ProgramFolder.h"

#include "windows/frmStart.h"
#include "setup/HistoryFile.h"
#include "setup/ModFunzioni.h"

#include "ui/ModGlobal.h"

#include "ui/ModWindows.h"

#include "quiz/frmBrano.h"
#include "quiz/frmImmagineDyn.h"
#include "quiz/frmMain.h"
#include "quiz/frmRevisione.h"

#include "app/SubMain.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

#include <csignal>

namespace {

namespace fs = std::filesystem;

QString Text(QWidget* window, const char* label) { return window->findChild<QLabel*>(label)->text(); }

// The key of the right answer, or of a wrong one, to the question on screen.
char Answer(frmMain* quiz, bool right)
{
    const int correct = quiz->Session().Current()->RispostaCorretta;
    return static_cast<char>('A' + (right ? correct - 1 : correct % 4));
}

// X11 repeats a held key as release/press pairs: flagged as repeats when the
// program was busy, unflagged but sharing one time stamp when it was idle.
void Hold(QWidget* to, Qt::Key key, quint64 from)
{
    auto send = [&](QEvent::Type type, quint64 time, bool flagged) {
        QKeyEvent event(type, key, Qt::NoModifier, {}, flagged);
        event.setTimestamp(time);
        QApplication::sendEvent(to, &event);
    };
    send(QEvent::KeyPress, from, false);
    for (quint64 t = from + 660; t < from + 1000; t += 40) {
        send(QEvent::KeyRelease, t, t % 80 == 0);
        send(QEvent::KeyPress, t, t % 80 == 0);
    }
    send(QEvent::KeyRelease, from + 1010, false);
}

class QuizScreenTest : public support::WindowTest {
protected:
    void TearDown() override
    {
        frmMain::SetPointerSource({});
        WindowTest::TearDown();
    }

    // The whole bank in file order (or the test drawn in gazette order), answers
    // unshuffled, shown from after `resume`.
    frmMain* Open(int32_t resume = -1, const char* theme = "default", bool drawn = false)
    {
        auto& g = ModGlobal::Shared();
        g.OrderMode = OrderGazzetta;
        g.KeepAnswerOrder = true;
        const auto built = ModFunzioni::EstraiQuesiti(g.Request());
        EXPECT_TRUE(built);
        g.Document = built->Document;
        g.RecordStore = built->RecordStore;
        g.TestSet = set = drawn ? built->TestSet : built->Document->Quesiti();
        g.ResumeIndex = resume;
        g.CurrentTheme = g.Themes->Item(theme);
        return frmMain::ShowNew();
    }

    support::ModalCloser closer;
    std::shared_ptr<cQuesiti> set;
};

}  // namespace

TEST_F(QuizScreenTest, KeysAnswerAndDeferOncePerPress)
{
    QPointer<frmMain> quiz = Open();
    QTest::keyClick(quiz, Qt::Key_E);  // four answers: E does nothing
    QTest::keyClick(quiz, Qt::Key_F3);
    QTest::keyClick(quiz, Qt::Key_D);
    QTest::keyClick(quiz, Qt::Key_F3, Qt::ShiftModifier);  // passed on
    Hold(quiz, Qt::Key_F3, 1000);
    Hold(quiz, Qt::Key_C, 3000);
    Hold(Child<QPushButton>(quiz, "cmdRispDopo"), Qt::Key_Space, 5000);
    EXPECT_EQ(set->RisposteDate(), "040300000000");
    EXPECT_EQ(quiz->Session().CurrentIndex(), 6);
    quiz->close();

    // Five answers: E answers. Without the review the score ends the test.
    Store("Revisione", "False");
    UseBank("five");
    quiz = Open();
    EXPECT_FALSE(Child<QWidget>(quiz, "picBoxRisposta4")->isHidden());
    for (int i = 0; i < 3; ++i) QTest::keyClick(quiz, Qt::Key_E);
    EXPECT_EQ(set->RisposteDate(), "555");
    EXPECT_EQ(closer.seen.back(), "frmMessage");
    // The score message's own text, then the result.
    const QString score = prompts.messages.back().text;
    EXPECT_TRUE(score.contains("delle 3 domande totali.\r\n\r\nEsatte: ")) << score.toStdString();
    EXPECT_TRUE(score.contains("\r\nDurata: 00:00:00\r\nLe risposte errate ti sono costate ")) << score.toStdString();
}

TEST_F(QuizScreenTest, PointerAndClicks)
{
    WriteStats({{1, support::Record(5, 3, 2, 0)}});
    QPointer<frmMain> quiz = Open();
    QString labels;
    for (const char* name : {"lbNumero", "lbArgomento", "lbDifficolta", "lbnVisual", "lbnEsatte", "lbnErrate"})
        labels += Text(quiz, name) + "|";
    EXPECT_EQ(labels, "Quesito n.1 su 12 totali - (codice 1)|Ordinamento degli enti locali|facile|5|3|2|");
    QPoint pointer;
    frmMain::SetPointerSource([&] { return quiz->mapToGlobal(pointer); });
    auto states = [&](QPoint at) {
        pointer = at;
        quiz->PointerTick();
        std::string s;
        for (int i = 0; i < 4; ++i) s += static_cast<char>('0' + quiz->AnswerState(i));
        return s;
    };
    auto* reveal = Child<QWidget>(quiz, "cmdRispostaCorretta");
    EXPECT_EQ(states(Child<QWidget>(quiz, "picBoxRisposta1")->geometry().center()), "0100");
    // Over the reveal button, its far corner included, the correct answer shows.
    EXPECT_EQ(states(reveal->mapTo(quiz, reveal->rect().bottomRight() + QPoint(1, 1))), "0200");

    QTest::mouseClick(reveal, Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "La risposta corretta per questa domanda è la 'B'.");
    QTest::mouseClick(Child<QWidget>(quiz, "lbLetter2"), Qt::LeftButton);
    QTest::mouseClick(Child<QWidget>(quiz, "lbRisposta3"), Qt::LeftButton);
    EXPECT_EQ(set->RisposteDate().substr(0, 2), "34");
}

TEST_F(QuizScreenTest, SideBandMarksSavesAndOpensTheViewers)
{
    QString opened;
    closer.onDialog = [&](QDialog* d) {
        const auto* brano = qobject_cast<frmBrano*>(d);
        const auto* picture = d->findChild<QLabel*>("picImg");
        opened += d->windowTitle() + ": "
                  + (brano ? brano->Text().left(20) : QString::number(picture->pixmap().width())) + "\n";
    };
    fs::copy_file(support::Fixtures::Dir() / "sequenza.png", ProgramDir() / "sequenza.png");
    QPointer<frmMain> quiz = Open(4, "bright");  // 101: a passage
    auto* viewer = Child<QPushButton>(quiz, "cmdLeggiBrano");
    // The bright look lightens the reveal button, painted flat in its colour.
    const QImage reveal = Child<QWidget>(quiz, "cmdRispostaCorretta")->grab().toImage();
    EXPECT_EQ(reveal.pixelColor(1, reveal.height() / 2), QColor(255, 171, 255));
    auto open = [&] {
        opened += viewer->text() + " > ";
        QTest::mouseClick(viewer, Qt::LeftButton);
    };
    open();
    QTest::keyClick(quiz, Qt::Key_F3);  // 102: an explanation
    open();
    QTest::keyClick(quiz, Qt::Key_F3);  // 103: none
    EXPECT_TRUE(viewer->isHidden());
    quiz->close();
    quiz = Open(8);  // 201: an image
    viewer = Child<QPushButton>(quiz, "cmdLeggiBrano");
    open();
    fs::remove(ProgramDir() / "sequenza.png");
    open();  // missing: an empty window, no message
    // Stored names are padded to whole groups and may have Windows separators.
    set->Item(9)->Immagine = ModEncoding::Encode("imm\\figura.png");
    EXPECT_EQ(frmImmagineDyn::ImagePath(*set->Item(9)), ProgramDir() / "imm" / "figura.png");
    EXPECT_EQ(opened, "Leggi Brano > Brano: Ove non sia diversam\nSpiegazione > Spiegazione: In mancanza di desig\n"
                      "Vedi immagine > Immagine: 8\nVedi immagine > Immagine: 0\n");
    EXPECT_TRUE(Child<QTimer>(quiz, "timUI")->isActive()) << "tracking again after the viewers";
    EXPECT_TRUE(prompts.messages.empty());

    Click(quiz, "cmdAddRipetere");
    EXPECT_EQ(Text(quiz, "lbDaRipetere"), "Questa domanda è contrassegnata come \"ERRATA\".");
    EXPECT_EQ(Stat(9).bnUltimoEsito, 2);

    // Typed without its extension, which the load dialog's filter needs.
    const fs::path saved = root / "prova.test";
    prompts.paths = {QString::fromStdString((root / "prova").string()),
                     QString::fromStdString((root / "no" / "x.test").string())};
    Click(quiz, "cmdSalva");
    EXPECT_TRUE(prompts.messages.empty());
    Click(quiz, "cmdSalva");  // a folder that does not exist: told, and the test goes on
    EXPECT_EQ(std::tuple(prompts.files.at(0).title, prompts.files.at(0).suffix),
              std::tuple(QString("Registra sessione"), QString("test")));
    EXPECT_NE(support::ReadBytes(saved).find("\r\n9\r\n1;2;3;"), std::string::npos) << "at the question on screen";
    EXPECT_TRUE(prompts.messages.at(0).text.startsWith("Errore inaspettato nella registrazione della sessione: "));
}

TEST_F(QuizScreenTest, ResultWindowTellsTheOutcomeAndOffersTheExplanationAfterAWrongAnswer)
{
    QPointer<frmMain> quiz = Open(5);  // 102: an explanation
    QString shown;
    closer.onDialog = [&](QDialog* d) {
        auto* explain = Child<QPushButton>(d, "cmdSpiegazione");
        shown += Text(d, "lbRiga1") + "|" + Text(d, "lbRiga2") + "|"
                 + Child<QWidget>(d, "picBand")->palette().color(QPalette::Window).name() + "\n";
        if (explain->isHidden()) return;
        QTimer::singleShot(0, [&] {
            auto* viewer = qobject_cast<frmBrano*>(QApplication::activeModalWidget());
            shown += viewer->windowTitle() + ": " + viewer->Text() + "\n";
            viewer->reject();
        });
        QTest::mouseClick(explain, Qt::LeftButton);
    };
    QTest::keyClick(quiz, Answer(quiz, false));
    QTest::keyClick(quiz, Answer(quiz, false));  // 103: none
    quiz->close();
    quiz = Open(5);
    QTest::keyClick(quiz, Answer(quiz, true));
    EXPECT_EQ(shown, "Risposta errata!|La risposta corretta è la 'B'|#ff2020\n"
                     "Spiegazione: In mancanza di designazione è responsabile il dirigente dell'unità organizzativa "
                     "competente.\n"
                     "Risposta errata!|La risposta corretta è la 'C'|#ff2020\n"
                     "Risposta esatta!||#c0ffc0\n");
}

TEST_F(QuizScreenTest, ReviewListsTheTestAndShowsTheSelectedQuestionInFull)
{
    Open()->close();
    for (const auto& q : *set) q->RispostaData = q->Codice % 3 == 0 ? q->RispostaCorretta % 4 + 1 : q->RispostaCorretta;
    fs::copy_file(support::Fixtures::Dir() / "sequenza.png", ProgramDir() / "sequenza.png");
    HistoryEntry result;
    result.Items = TestRecord::Of({}, *set, 0).Items;
    frmRevisione review(*set, result);
    review.setWindowModality(Qt::NonModal);  // looked at here, not closed by the closer
    review.show();
    auto* table = Child<QTableView>(&review, "lvRevisione");
    auto* rows = table->model();
    QAbstractItemModelTester tester(qobject_cast<QSortFilterProxyModel*>(rows)->sourceModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < rows->columnCount(); ++c) cells << rows->index(r, c).data().toString();
        return cells.join(' ');
    };
    EXPECT_EQ(row(2), "3 3 A D Errata");
    auto* detail = Child<QTextBrowser>(&review, "txtDettaglio");
    auto* image = Child<QPushButton>(&review, "cmdImmagine");
    EXPECT_TRUE(detail->toPlainText().startsWith("Ordinamento degli enti locali\nChi rappresenta legalmente il Comune?"));
    EXPECT_TRUE(image->isHidden());

    // Up and Down move between rows, wherever the focus is.
    auto* onlyWrong = Child<QWidget>(&review, "ckSoloErrate");
    for (int i = 0; i < 5; ++i) QTest::keyClick(onlyWrong, Qt::Key_Down);
    QTest::keyClick(onlyWrong, Qt::Key_Up);
    EXPECT_EQ(table->currentIndex().row(), 4);
    EXPECT_TRUE(detail->toPlainText().contains("Brano\nOve non sia diversamente stabilito"));
    QTest::keyClick(onlyWrong, Qt::Key_Down);
    EXPECT_TRUE(detail->toPlainText().contains("Spiegazione\nIn mancanza di designazione"));
    EXPECT_TRUE(detail->toHtml().contains("#c00000")) << "the wrong answer given, in red";

    QTest::mouseClick(onlyWrong, Qt::LeftButton);
    EXPECT_EQ(rows->rowCount(), 4);
    QTest::keyClick(onlyWrong, Qt::Key_Down);
    QTest::keyClick(onlyWrong, Qt::Key_Down);
    EXPECT_EQ(row(table->currentIndex().row()), "9 201 B A Errata");
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(closer.seen, std::vector<QString>{"frmImmagineDyn"});
}

TEST_F(QuizScreenTest, ConsegnaAsksThenEndsWithTheUnansweredBlankAndKeepsTheTest)
{
    QPointer<frmMain> quiz = Open();
    QTest::keyClick(quiz, Answer(quiz, true));
    Click(quiz, "cmdConsegna");  // no answer queued: "No"
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Vuoi consegnare il test? Le domande senza risposta saranno considerate in bianco.");
    EXPECT_EQ(prompts.messages[0].defaultButton, PromptAnswer::No);
    EXPECT_TRUE(quiz && quiz->isVisible());
    QString header;
    closer.onDialog = [&](QDialog* d) {
        if (d->objectName() == "frmRevisione") header = Child<QLabel>(d, "lbRisultato")->text();
    };
    prompts.answers = {PromptAnswer::Yes};
    Click(quiz, "cmdConsegna");
    DeleteClosed();
    EXPECT_FALSE(quiz);
    EXPECT_TRUE(prompts.messages.back().text.endsWith("indovinati 1 quesiti, pari al 8% delle 12 domande totali."));
    EXPECT_TRUE(header.startsWith("Esatte: 1 - Errate: 0 - In bianco: 11<br>Punteggio: 1,00 su 12")) << header.toStdString();
    const auto history = HistoryFile::Read(ProgramDir() / "rcv14.storico");
    ASSERT_EQ(history.entries.size(), 1u);
    EXPECT_TRUE(history.entries[0].HandedIn);
    EXPECT_EQ(history.entries[0].Score().blank, 11);
    EXPECT_EQ(support::ReadBytes(LogPath()), "DOM:05/03/2024 09:07:02|1|1\r\n") << "one answer line, none for the blank ones";
}

TEST_F(QuizScreenTest, CountdownLabelRunsOnlyWithATimeLimit)
{
    EXPECT_TRUE(Child<QWidget>(Open(), "lbTempo")->isHidden());
    ModGlobal::Shared().TimeLimitMinutes = 1;
    QPointer<frmMain> quiz = Open();
    EXPECT_EQ(Text(quiz, "lbTempo"), "00:01:00");
    EXPECT_TRUE(Child<QWidget>(quiz, "lbTempo")->isVisible());
    EXPECT_TRUE(Child<QTimer>(quiz, "timCountDown")->isActive());
    for (int i = 0; i < 60; ++i) quiz->CountdownTick();
    EXPECT_EQ(Text(quiz, "lbTempo"), "00:00:00");
    EXPECT_FALSE(Child<QTimer>(quiz, "timCountDown")->isActive());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title + prompts.messages[0].text, "Attenzione!\r\n!!! TEMPO SCADUTO !!!\r\n \r\n");
}

TEST_F(QuizScreenTest, LongTextsFitAtTheSmallestAndALargeSize)
{
    UseBank("long");
    QPointer<frmMain> quiz = Open();
    for (const QSize size : {quiz->minimumSize(), QSize(1270, 1000)}) {
        quiz->resize(size);
        QCoreApplication::processEvents();
        for (const char* name : {"lbQuesito", "lbRisposta0", "lbRisposta4"}) {
            const auto* label = Child<QLabel>(quiz, name);
            const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1 << 20),
                                                                 Qt::TextWordWrap, label->text());
            EXPECT_LE(need.height(), label->height()) << name << " at " << size.width();
        }
        EXPECT_LE(Child<QWidget>(quiz, "picBoxRisposta4")->geometry().bottom(), quiz->height());
    }
}

// Run only by the test below, as a separate process: takes a test half-way and is killed.
TEST_F(QuizScreenTest, DISABLED_KilledMidTest)
{
    const QString folder = qEnvironmentVariable("TQ_KILLED_PROGRAM_DIR");
    ASSERT_FALSE(folder.isEmpty());
    fs::remove_all(root.path());  // no tear-down after the kill
    ProgramFolder::Set(folder.toStdString());
    int results = 0;
    closer.onDialog = [&](QDialog*) { if (++results == 3) std::raise(SIGKILL); };  // while the third result shows
    QPointer<frmMain> quiz = Open(-1, "default", true);  // the cancelled question left out
    QTest::keyClick(quiz, Qt::Key_B);   // 1 right
    QTest::keyClick(quiz, Qt::Key_A);   // 2 wrong
    QTest::keyClick(quiz, Qt::Key_F3);  // 3 deferred
    QTest::keyClick(quiz, Qt::Key_A);   // 101 right
    FAIL() << "not killed";
}

TEST_F(QuizScreenTest, InterruptedTestIsResumedAfterTheProgramIsKilled)
{
    QProcess child;
    qputenv("TQ_KILLED_PROGRAM_DIR", ProgramDir().c_str());
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=QuizScreenTest.DISABLED_KilledMidTest", "--gtest_also_run_disabled_tests"});
    qunsetenv("TQ_KILLED_PROGRAM_DIR");
    ASSERT_TRUE(child.waitForFinished(120000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardOutput().toStdString();

    // Started again: the start screen offers the test, which goes on where it was.
    ModWindows::ShowStartScreen = [] { frmStart::ShowNew(); };
    ModWindows::ShowQuizScreen = [] { frmMain::ShowNew(); };
    ASSERT_TRUE(SubMain());
    ASSERT_TRUE(Child<QPushButton>(Windows<frmStart>().at(0), "cmdRiprendi")->isVisible());
    Click(Windows<frmStart>().at(0), "cmdRiprendi");
    QPointer<frmMain> quiz = Windows<frmMain>().at(0);
    EXPECT_EQ(quiz->Session().Current()->Codice, 6);  // 102, after 101
    EXPECT_EQ(ModGlobal::Shared().TestSet->RisposteDate(), "21010000000");
    EXPECT_EQ(Text(quiz, "lbContaRisposte"), "Risposte esatte: 2 su 4  (50%)");

    // To the end: the deferred question comes back, the review follows the score, the file is gone.
    for (int guard = 0; quiz && quiz->isVisible() && guard < 20; ++guard) QTest::keyClick(quiz, Answer(quiz, true));
    DeleteClosed();
    EXPECT_FALSE(quiz);
    EXPECT_TRUE(prompts.messages.back().text.endsWith("indovinati 10 quesiti, pari al 90% delle 11 domande totali."));
    EXPECT_EQ(closer.seen.back(), "frmRevisione");
    EXPECT_FALSE(ModGlobal::Shared().TestSet);
    EXPECT_FALSE(fs::exists(ProgramDir() / "rcv14.dat.interrotto.test"));
    EXPECT_TRUE(Child<QPushButton>(Windows<frmStart>().at(0), "cmdRiprendi")->isHidden());
}
