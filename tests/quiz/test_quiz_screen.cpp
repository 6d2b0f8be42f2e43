// The quiz screen taken from the start screen to the score, by keys.
#include "bank/cRecordSpec.h"

#include "setup/frmStart.h"
#include "setup/SessionLoader.h"

#include "ui/QtText.h"
#include "ui/Twips.h"

#include "quiz/frmBrano.h"
#include "quiz/frmMessage.h"
#include "quiz/frmRevisione.h"

#include "app/SubMain.h"

#include "QuizScreenFixture.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextBrowser>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <map>

namespace {

frmMain* QuizWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* quiz = qobject_cast<frmMain*>(w); quiz && quiz->isVisible()) return quiz;
    return nullptr;
}

std::vector<frmStart*> StartWindows()
{
    std::vector<frmStart*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* start = qobject_cast<frmStart*>(w); start && start->isVisible()) found.push_back(start);
    return found;
}

std::string Bytes(const cRecordSpec& r)
{
    std::string out;
    for (int32_t v : {r.nVisualizzate, r.nTralasciate, r.nEsatte, r.nSbagliate, r.bnUltimoEsito})
        for (int b = 0; b < 4; ++b) out += static_cast<char>((static_cast<uint32_t>(v) >> (8 * b)) & 0xFF);
    return out;
}

// Sends one key press to the window and says whether anyone took it.
bool KeyTaken(QWidget* w, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
    return press.isAccepted();
}

}  // namespace

TEST_F(QuizScreenTest, WholeTestFromStartScreenToScoreAndBack)
{
    ModWindows::ShowStartScreen = [] { frmStart::ShowNew(); };
    ModWindows::ShowQuizScreen = [] { frmMain::ShowNew(); };
    ASSERT_TRUE(SubMain());
    ASSERT_EQ(StartWindows().size(), 1u);
    frmStart* start = StartWindows().front();
    Child<QComboBox>(start, "cbOrdine")->setCurrentIndex(OrderGazzetta);
    Child<QCheckBox>(start, "ckDontMixAnswers")->setChecked(true);
    // Without the review the test ends as it always did: score, then the start screen.
    Child<QCheckBox>(start, "ckRevisione")->setChecked(false);
    prompts.answers = {PromptAnswer::Yes};  // less random: start anyway
    QTest::mouseClick(Child<QPushButton>(start, "cmdInizia"), Qt::LeftButton);

    QPointer<frmMain> quiz = QuizWindow();
    ASSERT_TRUE(quiz);
    EXPECT_TRUE(StartWindows().empty());
    EXPECT_EQ(quiz->windowTitle(), "Tessarondequiz - Comune di Roccalvento - 14 istruttori amministrativi");
    const auto testSet = ModGlobal::TestSet;
    ASSERT_TRUE(testSet);
    const int32_t total = testSet->Count();
    ASSERT_GE(total, 3);

    std::vector<QString> results;
    closer.onDialog = [&](QDialog* d) {
        results.push_back(Text(d, "lbRiga1") + "|" + Text(d, "lbRiga2"));
        QTest::qWaitFor([&] { return quiz->LastAnswerLatency() >= 0; }, 1000);
    };

    // Odd positions right, even ones wrong; the second question is deferred once.
    std::map<int32_t, cRecordSpec> expected;
    std::string domLines;
    std::vector<qint64> latencies;
    int32_t correct = 0;
    bool deferred = false;
    for (int guard = 0; quiz && quiz->isVisible() && guard < 100; ++guard) {
        const auto q = quiz->Session().Current();
        ASSERT_TRUE(q);
        const int32_t position = quiz->Session().CurrentIndex();
        cRecordSpec& rec = expected[q->Codice];
        ++rec.nVisualizzate;
        if (position == 2 && !deferred) {
            deferred = true;
            QTest::keyClick(quiz, Qt::Key_F3);
            continue;
        }
        const bool right = position % 2 == 1;
        const int index = right ? q->RispostaCorretta - 1 : q->RispostaCorretta % 4;
        if (right) {
            ++correct;
            ++rec.nEsatte;
        } else {
            ++rec.nSbagliate;
            rec.bnUltimoEsito = 2;
        }
        domLines += "DOM:05/03/2024 09:00:00|" + std::to_string(q->Codice) + (right ? "|1\r\n" : "|0\r\n");
        // Lower case for half of them.
        QTest::keyClick(quiz, static_cast<char>((position % 4 < 2 ? 'a' : 'A') + index));
        if (quiz) latencies.push_back(quiz->LastAnswerLatency());
    }
    DeleteClosed();
    EXPECT_TRUE(quiz.isNull());
    ASSERT_TRUE(deferred);
    EXPECT_EQ(results.size(), static_cast<size_t>(total));
    EXPECT_EQ(std::count(results.begin(), results.end(), QStringLiteral("Risposta esatta!|")), correct);

    const auto scores = MessagesTitled("Tessarondequiz");
    ASSERT_EQ(scores.size(), 1u);
    EXPECT_EQ(scores[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(scores[0].text.toStdString(),
              "  TEST COMPLETATO!\r\n\r\nSono stati indovinati " + std::to_string(correct) + " quesiti, pari al " +
                  std::to_string(correct * 100 / total) + "% delle " + std::to_string(total) + " domande totali.");
    EXPECT_EQ(StartWindows().size(), 1u);
    EXPECT_FALSE(ModGlobal::TestSet);
    EXPECT_FALSE(ModGlobal::RecordStore);
    EXPECT_FALSE(ModGlobal::CurrentTheme);

    std::string records;
    const int32_t last = expected.rbegin()->first;
    for (int32_t codice = 1; codice <= last; ++codice)
        records += Bytes(expected.count(codice) ? expected[codice] : cRecordSpec{});
    EXPECT_EQ(ReadBytes(RecordPath()), records);
    const std::string log = ReadBytes(LogPath());
    const size_t firstLine = log.find("\r\n") + 2;
    EXPECT_EQ(log.substr(firstLine), domLines);

    std::sort(latencies.begin(), latencies.end());
    ASSERT_FALSE(latencies.empty());
    EXPECT_GE(latencies.front(), 0);
    std::printf("answer key to result window: median %lld ms, worst %lld ms\n",
                static_cast<long long>(latencies[latencies.size() / 2]), static_cast<long long>(latencies.back()));
}

TEST_F(QuizScreenTest, KeysDAndEOnlyWhenTheBankHasThoseAnswers)
{
    QPointer<frmMain> quiz = OpenQuiz();
    EXPECT_FALSE(KeyTaken(quiz, Qt::Key_E, "e"));
    EXPECT_EQ(quiz->Session().CurrentIndex(), 1);
    EXPECT_TRUE(closer.seen.empty());
    EXPECT_TRUE(KeyTaken(quiz, Qt::Key_F3, {}));
    EXPECT_EQ(quiz->Session().CurrentIndex(), 2);
    EXPECT_TRUE(KeyTaken(quiz, Qt::Key_D, "d"));
    EXPECT_EQ(set->Item(2)->RispostaData, 4);
    EXPECT_EQ(closer.seen, std::vector<QString>{"frmMessage"});
    // F3 with Shift is passed on.
    QKeyEvent shiftF3(QEvent::KeyPress, Qt::Key_F3, Qt::ShiftModifier);
    QApplication::sendEvent(quiz, &shiftF3);
    EXPECT_EQ(quiz->Session().CurrentIndex(), 3);
    quiz->close();

    UseBank(Fixtures::Five());
    quiz = OpenQuiz();
    EXPECT_TRUE(KeyTaken(quiz, Qt::Key_E, "e"));
    EXPECT_EQ(set->Item(1)->RispostaData, 5);
    EXPECT_FALSE(Child<QWidget>(quiz, "picBoxRisposta4")->isHidden());
}

// X11 repeats a held key as release/press pairs: flagged as repeats when the
// program was busy, unflagged but sharing one time stamp when it was idle.
TEST_F(QuizScreenTest, AHeldKeyActsOncePerPress)
{
    QPointer<frmMain> quiz = OpenQuiz();
    auto send = [](QWidget* to, QEvent::Type type, Qt::Key key, quint64 time, bool flagged) {
        QKeyEvent event(type, key, Qt::NoModifier, {}, flagged);
        event.setTimestamp(time);
        QApplication::sendEvent(to, &event);
    };
    auto hold = [&](QWidget* to, Qt::Key key, quint64 from) {
        send(to, QEvent::KeyPress, key, from, false);
        for (quint64 t = from + 660; t < from + 1000; t += 40) {
            send(to, QEvent::KeyRelease, key, t, t % 80 == 0);
            send(to, QEvent::KeyPress, key, t, t % 80 == 0);
        }
        send(to, QEvent::KeyRelease, key, from + 1010, false);
    };
    hold(quiz, Qt::Key_F3, 1000);
    EXPECT_EQ(quiz->Session().CurrentIndex(), 2);
    hold(quiz, Qt::Key_F3, 3000);  // pressed again: acts again
    EXPECT_EQ(quiz->Session().CurrentIndex(), 3);
    hold(quiz, Qt::Key_A, 5000);
    EXPECT_EQ(closer.seen, std::vector<QString>{"frmMessage"});
    EXPECT_EQ(quiz->Session().CurrentIndex(), 4);
    // Space held on a focused band button.
    hold(Child<QPushButton>(quiz, "cmdRispDopo"), Qt::Key_Space, 7000);
    EXPECT_EQ(quiz->Session().CurrentIndex(), 5);
    for (int32_t codice = 1; codice <= 4; ++codice)
        EXPECT_EQ(ModGlobal::RecordStore->ReadRecord(codice).nVisualizzate, 1) << codice;
}

TEST_F(QuizScreenTest, ResultWindowLinesBandAndPlace)
{
    QWidget main;
    main.move(200, 100);
    {
        frmMessage right(&main);
        right.SetResult(2, 2);
        EXPECT_EQ(right.windowTitle(), "Esito risposta");
        EXPECT_EQ(Text(&right, "lbRiga1"), "Risposta esatta!");
        EXPECT_EQ(Text(&right, "lbRiga2"), "");
        EXPECT_EQ(Child<QWidget>(&right, "picBand")->palette().color(QPalette::Window), QColor(192, 255, 192));
    }
    frmMessage wrong(&main);
    wrong.SetResult(1, 4);
    EXPECT_EQ(Text(&wrong, "lbRiga1"), "Risposta errata!");
    EXPECT_EQ(Text(&wrong, "lbRiga2"), "La risposta corretta è la 'D'");
    EXPECT_EQ(Child<QWidget>(&wrong, "picBand")->palette().color(QPalette::Window), QColor(255, 32, 32));
    QPoint where;
    closer.onDialog = [&](QDialog* d) { where = d->pos(); };
    EXPECT_EQ(wrong.exec(), QDialog::Rejected);  // closed by Esc
    EXPECT_EQ(where, main.pos() + QPoint(Twips::ToPixels(100), Twips::ToPixels(3200)));
}

TEST_F(QuizScreenTest, SavedTestResumesAtTheSameQuestionWithTheSameAnswers)
{
    QPointer<frmMain> quiz = OpenQuiz(-1, "default", false);
    QTest::keyClick(quiz, Qt::Key_B);  // 1 right
    QTest::keyClick(quiz, Qt::Key_A);  // 2 wrong
    QTest::keyClick(quiz, Qt::Key_F3);  // 3 deferred
    QTest::keyClick(quiz, Qt::Key_A);  // 101 right
    ASSERT_EQ(quiz->Session().CurrentIndex(), 5);
    const int32_t onScreen = quiz->Session().Current()->Codice;
    const std::string answers = set->RisposteDate();

    const QString path = QString::fromStdString((Root() / "prova.test").string());
    prompts.paths = {path};
    QTest::mouseClick(Child<QPushButton>(quiz, "cmdSalva"), Qt::LeftButton);
    ASSERT_EQ(prompts.files.size(), 1u);
    EXPECT_EQ(prompts.files[0].title, "Registra sessione");
    EXPECT_EQ(prompts.files[0].filter, Prompts::SessionFileFilter());
    EXPECT_EQ(prompts.files[0].mode, FileDialogMode::Save);
    EXPECT_TRUE(MessagesTitled("Tessarondequiz").empty());
    EXPECT_EQ(quiz->Session().CurrentIndex(), 5);

    // A folder that does not exist: told, and the test goes on.
    prompts.paths = {QString::fromStdString((Root() / "nessuna" / "x.test").string())};
    QTest::mouseClick(Child<QPushButton>(quiz, "cmdSalva"), Qt::LeftButton);
    const auto errors = MessagesTitled("Tessarondequiz");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(errors[0].text.startsWith("Errore inaspettato nella registrazione della sessione: "));
    EXPECT_TRUE(errors[0].text.endsWith("."));
    quiz->close();
    DeleteClosed();

    const auto loaded = SessionLoader::Load(fs::path(path.toStdString()));
    ASSERT_TRUE(loaded);
    ModGlobal::CurrentTheme = ModGlobal::Themes->Item(1);
    quiz = frmMain::ShowNew();
    EXPECT_EQ(quiz->Session().Current()->Codice, onScreen);
    EXPECT_EQ(ModGlobal::TestSet->RisposteDate(), answers);
    EXPECT_EQ(quiz->Session().CorrectCount(), 2);
}

TEST_F(QuizScreenTest, WrongAnswerToAnExplainedQuestionOffersTheExplanationBesideOK)
{
    std::vector<bool> offered;
    QString title;
    QString text;
    closer.onDialog = [&](QDialog* d) {
        auto* button = Child<QPushButton>(d, "cmdSpiegazione");
        offered.push_back(!button->isHidden());
        if (button->isHidden()) return;
        QTimer::singleShot(0, [&] {
            auto* viewer = qobject_cast<frmBrano*>(QApplication::activeModalWidget());
            ASSERT_TRUE(viewer);
            title = viewer->windowTitle();
            text = viewer->Text();
            viewer->reject();
        });
        QTest::mouseClick(button, Qt::LeftButton);
    };
    auto wrong = [](frmMain* quiz) { return static_cast<char>('A' + quiz->Session().Current()->RispostaCorretta % 4); };

    QPointer<frmMain> quiz = OpenQuiz(5);  // 102: an explanation
    const QString hint = QtText::FromCp1252(quiz->Session().Current()->VisualHint());
    QTest::keyClick(quiz, wrong(quiz));
    QTest::keyClick(quiz, wrong(quiz));  // 103: none
    quiz->close();
    quiz = OpenQuiz(5);
    QTest::keyClick(quiz, static_cast<char>('A' + quiz->Session().Current()->RispostaCorretta - 1));
    EXPECT_EQ(offered, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(title, "Spiegazione");
    EXPECT_EQ(text, hint) << "the explanation alone";
}

TEST_F(QuizScreenTest, ReviewListsTheTestAndShowsTheSelectedQuestionInFull)
{
    OpenQuiz()->close();  // builds the whole bank, answers in file order
    for (const auto& q : *set) q->RispostaData = q->Codice % 3 == 0 ? q->RispostaCorretta % 4 + 1 : q->RispostaCorretta;
    fs::copy_file(Fixtures::Dir() / "sequenza.png", ProgramDir() / "sequenza.png");
    frmRevisione review(*set);
    review.setWindowModality(Qt::NonModal);  // looked at here, not closed by the closer
    review.show();
    EXPECT_EQ(review.windowTitle(), "Revisione del test");
    auto* table = Child<QTableView>(&review, "lvRevisione");
    auto* rows = table->model();
    QAbstractItemModelTester tester(qobject_cast<QSortFilterProxyModel*>(rows)->sourceModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    QStringList headers;
    for (int c = 0; c < rows->columnCount(); ++c) headers << rows->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"N.", "Codice", "Risposta data", "Risposta corretta", "Esito"}));
    ASSERT_EQ(rows->rowCount(), 12);
    auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < rows->columnCount(); ++c) cells << rows->index(r, c).data().toString();
        return cells.join(' ');
    };
    EXPECT_EQ(row(2), "3 3 A D Errata");
    auto* detail = Child<QTextBrowser>(&review, "txtDettaglio");
    auto* image = Child<QPushButton>(&review, "cmdImmagine");
    EXPECT_TRUE(detail->toPlainText().startsWith("Ordinamento degli enti locali\nChi rappresenta legalmente il Comune?"));
    EXPECT_TRUE(detail->toPlainText().contains("Il Sindaco (risposta corretta)"));
    EXPECT_TRUE(image->isHidden());

    // Up and Down move between rows, wherever the focus is.
    auto* onlyWrong = Child<QCheckBox>(&review, "ckSoloErrate");
    for (int i = 0; i < 4; ++i) QTest::keyClick(onlyWrong, Qt::Key_Down);
    EXPECT_EQ(table->currentIndex().row(), 4);
    EXPECT_TRUE(detail->toPlainText().contains("Brano\nOve non sia diversamente stabilito"));
    QTest::keyClick(onlyWrong, Qt::Key_Down);
    EXPECT_TRUE(detail->toPlainText().contains("Spiegazione\nIn mancanza di designazione"));
    EXPECT_TRUE(detail->toHtml().contains("#c00000")) << "the wrong answer given, in red";

    onlyWrong->setChecked(true);
    ASSERT_EQ(rows->rowCount(), 4);
    for (int r = 0; r < 4; ++r) EXPECT_TRUE(row(r).endsWith("Errata")) << row(r).toStdString();
    QTest::keyClick(onlyWrong, Qt::Key_Down);
    QTest::keyClick(onlyWrong, Qt::Key_Down);
    EXPECT_EQ(row(table->currentIndex().row()).left(6), "9 201 ");
    ASSERT_FALSE(image->isHidden());
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(closer.seen, std::vector<QString>{"frmImmagineDyn"});
}

// Run by the test below as a separate process: takes a test half-way and is killed.
TEST_F(QuizScreenTest, KilledMidTest)
{
    const QString folder = qEnvironmentVariable("TQ_KILLED_PROGRAM_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "run as a child of InterruptedTestIsResumedAfterTheProgramIsKilled";
    fs::remove_all(Root());
    ProgramFolder::Set(folder.toStdString());
    // Killed while the third result window is open.
    int results = 0;
    closer.onDialog = [&](QDialog*) {
        if (++results == 3) std::raise(SIGKILL);
    };
    QPointer<frmMain> quiz = OpenQuiz(-1, "default", false);
    QTest::keyClick(quiz, Qt::Key_B);   // 1 right
    QTest::keyClick(quiz, Qt::Key_A);   // 2 wrong
    QTest::keyClick(quiz, Qt::Key_F3);  // 3 deferred
    QTest::keyClick(quiz, Qt::Key_A);   // 101 right
    FAIL() << "not killed";
}

TEST_F(QuizScreenTest, InterruptedTestIsResumedAfterTheProgramIsKilled)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TQ_KILLED_PROGRAM_DIR", QString::fromStdString(ProgramDir().string()));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=QuizScreenTest.KilledMidTest"});
    ASSERT_TRUE(child.waitForFinished(120000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardOutput().toStdString();

    // Started again: the start screen offers the test, which goes on where it was.
    ModWindows::ShowStartScreen = [] { frmStart::ShowNew(); };
    ModWindows::ShowQuizScreen = [] { frmMain::ShowNew(); };
    ASSERT_TRUE(SubMain());
    ASSERT_EQ(StartWindows().size(), 1u);
    auto* resume = Child<QPushButton>(StartWindows().front(), "cmdRiprendi");
    EXPECT_TRUE(resume->isVisible());
    EXPECT_EQ(resume->text(), "Riprendi il test interrotto");
    QTest::mouseClick(resume, Qt::LeftButton);
    QPointer<frmMain> quiz = QuizWindow();
    ASSERT_TRUE(quiz);
    EXPECT_EQ(quiz->Session().Current()->Codice, 6);  // 102, after 101
    EXPECT_EQ(ModGlobal::TestSet->RisposteDate(), "21010000000");
    EXPECT_EQ(Text(quiz, "lbContaRisposte"), "Risposte esatte: 2 su 4  (50%)");
    cRecordBase store;
    ASSERT_TRUE(store.OpenExisting(RecordPath()));
    for (const auto& [codice, views] : std::map<int32_t, int32_t>{{1, 1}, {3, 1}, {5, 1}, {6, 1}, {7, 0}})
        EXPECT_EQ(store.ReadRecord(codice).nVisualizzate, views) << "code " << codice;

    // To the end: the deferred question comes back, the review follows the score, the file is gone.
    for (int guard = 0; quiz && quiz->isVisible() && guard < 20; ++guard)
        QTest::keyClick(quiz, static_cast<char>('A' + quiz->Session().Current()->RispostaCorretta - 1));
    DeleteClosed();
    EXPECT_FALSE(quiz);
    const auto scores = MessagesTitled("Tessarondequiz");
    ASSERT_EQ(scores.size(), 1u);
    EXPECT_TRUE(scores[0].text.endsWith("indovinati 10 quesiti, pari al 90% delle 11 domande totali."))
        << scores[0].text.toStdString();
    EXPECT_EQ(closer.seen.back(), "frmRevisione");
    EXPECT_FALSE(fs::exists(ProgramDir() / "rcv14.dat.interrotto.test"));
    ASSERT_EQ(StartWindows().size(), 1u);
    EXPECT_TRUE(Child<QPushButton>(StartWindows().front(), "cmdRiprendi")->isHidden());
}
