#include "bank/TextFile.h"

#include "StartScreenFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace ModGlobal;

namespace {

std::vector<int32_t> Codes()
{
    std::vector<int32_t> codes;
    for (const auto& q : *TestSet) codes.push_back(q->Codice);
    return codes;
}

std::vector<std::string> ReadLines(const fs::path& path)
{
    std::vector<std::string> lines;
    const auto data = TextFile::ReadAll(path);
    if (!data) return lines;
    for (auto line : TextFile::SplitLines(*data)) lines.emplace_back(line);
    return lines;
}

}  // namespace

TEST_F(StartScreenTest, FirstRunShowsTheBuiltInChoicesAndDefaults)
{
    frmStart* w = Open();
    EXPECT_EQ(w->windowTitle(), "Tessarondequiz - Comune di Roccalvento - 14 istruttori amministrativi");

    auto* list = Child<QListWidget>(w, "lstElencoFiltri");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "TUTTI I QUESITI");
    EXPECT_EQ(list->item(1)->text(), "   Ordinamento degli enti locali");
    EXPECT_EQ(list->item(3)->text(), "   Logica e cultura generale");
    EXPECT_EQ(list->currentRow(), 0);

    auto* numero = Child<QComboBox>(w, "cbNumero");
    EXPECT_EQ(numero->count(), 8);
    EXPECT_EQ(numero->currentText(), "Tutti");
    auto* ordine = Child<QComboBox>(w, "cbOrdine");
    EXPECT_EQ(ordine->count(), 6);
    EXPECT_EQ(ordine->currentIndex(), 0);
    EXPECT_EQ(ordine->itemText(5), "SIMULAZIONE ESAME");
    EXPECT_EQ(Child<QComboBox>(w, "cbTema")->currentText(), "Aspetto standard");

    EXPECT_FALSE(Child<QCheckBox>(w, "ckAbilitaTempo")->isChecked());
    EXPECT_FALSE(Child<QWidget>(w, "picBack")->isVisible());
    EXPECT_EQ(Child<QLineEdit>(w, "txtMin")->text(), "50");
    EXPECT_FALSE(Child<QCheckBox>(w, "ckDontMixAnswers")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(w, "ckRecordBad")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(w, "ckLowerCase")->isVisible());
    EXPECT_TRUE(Child<QCheckBox>(w, "ckRevisione")->isChecked());
    EXPECT_FALSE(Child<QPushButton>(w, "cmdRiprendi")->isVisible());
    EXPECT_FALSE(Child<QLineEdit>(w, "txtNumeroIniziale")->isVisible());
    EXPECT_FALSE(Child<QRadioButton>(w, "optArea0")->isVisible());
    EXPECT_TRUE(Child<QPushButton>(w, "cmdStampa")->isVisible());
    EXPECT_EQ(CurrentDataFile, "rcv14.dat");
    // Only the topic list is read: no statistics file yet.
    EXPECT_FALSE(fs::exists(ProgramDir() / "rcv14.dat.rec"));

    // Every control can be named by a screen reader.
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(child) || child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(child);
        const bool named = !child->accessibleName().isEmpty() || (button && !button->text().isEmpty());
        EXPECT_TRUE(named || child->objectName() == "picBack" || child->objectName() == "frHeading")
            << child->objectName().toStdString();
    }
}

TEST_F(StartScreenTest, RestoresStoredOptions)
{
    Store("FiltroCorrente", "3");
    Store("Numero", " 100 ");
    Store("Tema", "dark ");
    Store("Ordine", "3");
    Store("IDIniziale", "5");
    Store("DontMixAnswers", "True");
    Store("RecordErrors", "0");
    Store("Revisione", "False");
    frmStart* w = Open();

    EXPECT_EQ(Child<QListWidget>(w, "lstElencoFiltri")->currentRow(), 3);
    EXPECT_EQ(Child<QComboBox>(w, "cbNumero")->currentText(), "100");
    EXPECT_EQ(Child<QComboBox>(w, "cbTema")->currentText(), "Colori scuri");
    EXPECT_EQ(Child<QComboBox>(w, "cbOrdine")->currentIndex(), 3);
    EXPECT_TRUE(Child<QLineEdit>(w, "txtNumeroIniziale")->isVisible());
    EXPECT_TRUE(Child<QLabel>(w, "lbHdrNumeroIniziale")->isVisible());
    EXPECT_EQ(Child<QLineEdit>(w, "txtNumeroIniziale")->text(), "5");
    EXPECT_TRUE(Child<QCheckBox>(w, "ckDontMixAnswers")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(w, "ckRecordBad")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(w, "ckRevisione")->isChecked());
}

TEST_F(StartScreenTest, UnknownStoredValuesFallBackToTheFirstRow)
{
    Store("FiltroCorrente", "7");
    Store("Numero", "75");
    Store("Tema", "viola");
    Store("Ordine", "ultimo");
    Store("RecordErrors", "forse");
    frmStart* w = Open();

    EXPECT_EQ(Child<QListWidget>(w, "lstElencoFiltri")->currentRow(), 0);
    EXPECT_EQ(Child<QComboBox>(w, "cbNumero")->currentText(), "Tutti");
    EXPECT_EQ(Child<QComboBox>(w, "cbTema")->currentIndex(), 0);
    EXPECT_EQ(Child<QComboBox>(w, "cbOrdine")->currentIndex(), 0);
    EXPECT_TRUE(Child<QCheckBox>(w, "ckRecordBad")->isChecked());
}

TEST_F(StartScreenTest, OneTopicBankHidesTheListAndStillStarts)
{
    WriteBank(1, 5);
    Store("FiltroCorrente", "1");
    bool handedOver = false;
    ModWindows::ShowQuizScreen = [&] { handedOver = true; };
    frmStart* w = Open();

    auto* list = Child<QListWidget>(w, "lstElencoFiltri");
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(Child<QLabel>(w, "lbArgomenti")->isVisible());
    // "TUTTI I QUESITI" and the one topic: with two rows the first is always chosen.
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 0);

    Click(w, "cmdInizia");
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(TestSet->Count(), 5);
}

TEST_F(StartScreenTest, EsciSavesTheOptionsAndClosesTheWindow)
{
    frmStart* w = Open();
    Child<QListWidget>(w, "lstElencoFiltri")->setCurrentRow(2);
    Child<QComboBox>(w, "cbNumero")->setCurrentIndex(4);
    Child<QComboBox>(w, "cbTema")->setCurrentIndex(1);
    Child<QComboBox>(w, "cbOrdine")->setCurrentIndex(1);
    Child<QLineEdit>(w, "txtNumeroIniziale")->setText(" 12 ");
    Child<QCheckBox>(w, "ckRecordBad")->setChecked(false);
    Child<QCheckBox>(w, "ckRevisione")->setChecked(false);

    Click(w, "cmdEsci");
    EXPECT_TRUE(StartWindows().empty());
    EXPECT_EQ(Stored("Area"), "0");
    EXPECT_EQ(Stored("FiltroCorrente"), "2");
    EXPECT_EQ(Stored("Numero"), "100");
    EXPECT_EQ(Stored("Tema"), "bright");
    EXPECT_EQ(Stored("Ordine"), "1");
    EXPECT_EQ(Stored("IDIniziale"), "12");
    EXPECT_EQ(Stored("DontMixAnswers"), "False");
    EXPECT_EQ(Stored("RecordErrors"), "False");
    EXPECT_EQ(Stored("LowerCase"), "False");
    EXPECT_EQ(Stored("Revisione"), "False");
}

TEST_F(StartScreenTest, ExamSimulationLocksItsChoicesAndAnotherOrderingUnlocksThem)
{
    frmStart* w = Open();
    auto* list = Child<QListWidget>(w, "lstElencoFiltri");
    auto* numero = Child<QComboBox>(w, "cbNumero");
    auto* tempo = Child<QCheckBox>(w, "ckAbilitaTempo");
    list->setCurrentRow(3);
    numero->setCurrentIndex(0);

    Child<QComboBox>(w, "cbOrdine")->setCurrentIndex(5);
    EXPECT_EQ(numero->currentText(), "50");
    EXPECT_FALSE(numero->isEnabled());
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(list->isEnabled());
    EXPECT_TRUE(tempo->isChecked());
    EXPECT_FALSE(tempo->isEnabled());
    EXPECT_TRUE(Child<QWidget>(w, "picBack")->isVisible());
    EXPECT_EQ(Child<QLineEdit>(w, "txtOre")->text(), "0");
    EXPECT_EQ(Child<QLineEdit>(w, "txtMin")->text(), "50");

    Child<QComboBox>(w, "cbOrdine")->setCurrentIndex(0);
    EXPECT_TRUE(numero->isEnabled());
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(tempo->isEnabled());
    EXPECT_EQ(numero->currentText(), "50");
    EXPECT_TRUE(tempo->isChecked());
}

TEST_F(StartScreenTest, BadTimeLimitIsRefusedBeforeAnythingIsBuilt)
{
    frmStart* w = Open();
    Child<QCheckBox>(w, "ckAbilitaTempo")->setChecked(true);
    Child<QLineEdit>(w, "txtOre")->setText("abc");
    Child<QLineEdit>(w, "txtMin")->setText("xyz");

    Click(w, "cmdInizia");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Ore non indicate correttamente!");
    EXPECT_EQ(prompts.messages[0].title, "Attenzione!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages[0].buttons, PromptButtons::Ok);

    Child<QLineEdit>(w, "txtOre")->setText(" ");
    Click(w, "cmdInizia");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].text, "Minuti non indicati correttamente!");
    EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Critical);

    EXPECT_EQ(TestSet, nullptr);
    EXPECT_FALSE(fs::exists(LogPath()));
    EXPECT_EQ(StartWindows().size(), 1u);
}

TEST_F(StartScreenTest, ReducedRandomnessIsAskedAndNoCancels)
{
    frmStart* w = Open();
    Child<QCheckBox>(w, "ckDontMixAnswers")->setChecked(true);

    Click(w, "cmdInizia");  // no queued answer: the default button, "No"
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& asked = prompts.messages[0];
    EXPECT_EQ(asked.text,
              "Per via delle impostazioni selezionate, il livello di casualità del test sarà ridotto.\r\n\r\n"
              "Si vuole iniziare il test con queste impostazioni?");
    EXPECT_EQ(asked.title, "Attenzione!");
    EXPECT_EQ(asked.icon, MessageIcon::Exclamation);
    EXPECT_EQ(asked.buttons, PromptButtons::YesNo);
    EXPECT_EQ(asked.defaultButton, PromptAnswer::No);
    EXPECT_EQ(TestSet, nullptr);
    EXPECT_EQ(StartWindows().size(), 1u);

    // The published order asks too; "Sì" goes on to the test.
    Child<QCheckBox>(w, "ckDontMixAnswers")->setChecked(false);
    Child<QComboBox>(w, "cbOrdine")->setCurrentIndex(3);
    prompts.answers.push_back(PromptAnswer::Yes);
    Click(w, "cmdInizia");
    EXPECT_EQ(prompts.messages.size(), 2u);
    ASSERT_NE(TestSet, nullptr);
    // Published order without the cancelled question 4.
    EXPECT_EQ(Codes(), (std::vector<int32_t>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(StartScreenTest, StartingBuildsTheTestAndHandsOverToTheQuizScreen)
{
    int handOvers = 0;
    bool startClosedFirst = false;
    ModWindows::ShowQuizScreen = [&] {
        ++handOvers;
        startClosedFirst = StartWindows().empty();
    };
    frmStart* w = Open();
    Child<QListWidget>(w, "lstElencoFiltri")->setCurrentRow(2);
    Child<QComboBox>(w, "cbNumero")->setCurrentIndex(1);  // "30", more than the topic holds
    Child<QCheckBox>(w, "ckAbilitaTempo")->setChecked(true);
    Child<QLineEdit>(w, "txtOre")->setText("");
    Child<QLineEdit>(w, "txtMin")->setText("150");
    Child<QComboBox>(w, "cbTema")->setCurrentIndex(2);

    Click(w, "cmdInizia");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(handOvers, 1);
    EXPECT_TRUE(startClosedFirst);

    ASSERT_NE(TestSet, nullptr);
    auto codes = Codes();
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<int32_t>{5, 6, 7, 8}));
    for (const auto& q : *TestSet) EXPECT_EQ(q->RispostaData, 0);
    EXPECT_EQ(TopicFilter, 2);
    EXPECT_EQ(QuestionCount, 30);
    EXPECT_EQ(TimeLimitHours, 2);
    EXPECT_EQ(TimeLimitMinutes, 30);
    EXPECT_EQ(ResumeIndex, -1);
    EXPECT_EQ(CurrentTheme->Chiave, "dark");
    EXPECT_TRUE(fs::exists(ProgramDir() / "rcv14.dat.rec"));

    const auto log = ReadLines(LogPath());
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].substr(0, 4), "DOM:");
    EXPECT_NE(log[0].find("|2|rcv14.dat|0|30|False|True|2|30|1"), std::string::npos) << log[0];

    EXPECT_EQ(Stored("FiltroCorrente"), "2");
    EXPECT_EQ(Stored("Tema"), "dark");
}

TEST_F(StartScreenTest, WithoutAQuizScreenTheHandOverShowsAFreshStartWindow)
{
    Store("Numero", "30");
    frmStart* w = Open();
    QPointer<frmStart> old(w);
    Click(w, "cmdInizia");

    const auto windows = StartWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_NE(windows.front(), old.data());
    EXPECT_EQ(TestSet->Count(), 11);
}

TEST_F(StartScreenTest, EmptyTestIsToldAndTheStartWindowRestarts)
{
    frmStart* w = Open();
    Child<QComboBox>(w, "cbOrdine")->setCurrentIndex(4);  // only wrong answers: none yet

    Click(w, "cmdInizia");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Nessun quesito trovato per i filtri impostati!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompts.messages[0].title, "Attenzione!");

    frmStart* fresh = WaitForNewWindow(w);
    ASSERT_NE(fresh, nullptr);
    // The options were saved on the way out and restored by the new window.
    EXPECT_EQ(Child<QComboBox>(fresh, "cbOrdine")->currentIndex(), 4);
}

TEST_F(StartScreenTest, PrintWritesTheTemporarySessionThenRestarts)
{
    int wizards = 0;
    ModWindows::ShowPrintWizard = [&] { ++wizards; };
    ModWindows::ShowQuizScreen = [] { FAIL() << "printing never opens the quiz screen"; };
    WriteBank(2, 500);  // "TUTTI I QUESITI" holds exactly 1000
    frmStart* w = Open();

    Click(w, "cmdStampa");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(wizards, 1);
    const fs::path printFile = TempDir() / "trprint2.tmp";
    EXPECT_EQ(PrintSourcePath, printFile.string());
    EXPECT_EQ(ShuffleText, "True");
    const auto lines = ReadLines(printFile);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "tessarondequiz RCV SaveFile");
    EXPECT_EQ(lines[2], "0");
    EXPECT_EQ(lines[4], std::string(1000, '0'));

    frmStart* fresh = WaitForNewWindow(w);
    ASSERT_NE(fresh, nullptr);

    fs::remove(printFile);
    WriteBank(1, 1001);
    Click(fresh, "cmdStampa");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "E' possibile stampare solo fino a 1000 quesiti per volta.");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(fs::exists(printFile));
    EXPECT_EQ(wizards, 1);
    EXPECT_NE(WaitForNewWindow(fresh), nullptr);
}

TEST_F(StartScreenTest, LoadingASessionHandsOverAndLeavesTheStoredOptionsAlone)
{
    Store("Numero", "80");
    const fs::path session = TempDir() / "prova.test";
    {
        std::ofstream out(session, std::ios::binary);
        out << "tessarondequiz RCV SaveFile\r\n"
               "01/03/2024 10:00:00|2|rcv14.dat|0|3|True|True|0|0|1\r\n"
               "2\r\n"
               "7;5;6;\r\n"
               "300\r\n"
               "312\r\n";
    }
    bool handedOver = false;
    ModWindows::ShowQuizScreen = [&] { handedOver = true; };
    frmStart* w = Open();
    Child<QComboBox>(w, "cbNumero")->setCurrentIndex(7);  // changed, never saved
    prompts.paths.push_back(QString::fromStdString(session.string()));

    Click(w, "cmdCarica");
    ASSERT_EQ(prompts.files.size(), 1u);
    EXPECT_EQ(prompts.files[0].title, "Selezionare la sessione da caricare");
    EXPECT_EQ(prompts.files[0].filter, "Test in sospeso (*.test)");
    EXPECT_EQ(prompts.files[0].mode, FileDialogMode::Open);
    EXPECT_TRUE(prompts.messages.empty());

    EXPECT_TRUE(handedOver);
    EXPECT_EQ(Codes(), (std::vector<int32_t>{7, 5, 6}));
    EXPECT_EQ(TestSet->RisposteDate(), "300");
    EXPECT_EQ(ResumeIndex, 1);
    EXPECT_EQ(ResumeCorrect, 1);
    EXPECT_NE(CurrentTheme, nullptr);
    EXPECT_TRUE(StartWindows().empty());
    EXPECT_EQ(Stored("Numero"), "80");
}

TEST_F(StartScreenTest, RefusedOrCancelledLoadsLeaveTheStartWindowOpen)
{
    bool handedOver = false;
    ModWindows::ShowQuizScreen = [&] { handedOver = true; };
    frmStart* w = Open();

    Click(w, "cmdCarica");  // the dialog is cancelled
    EXPECT_EQ(prompts.files.size(), 1u);
    EXPECT_TRUE(prompts.messages.empty());

    const fs::path notASession = TempDir() / "lettera.test";
    std::ofstream(notASession, std::ios::binary) << "tessarondequiz RCV SaveFile \r\naltro\r\n";
    prompts.paths.push_back(QString::fromStdString(notASession.string()));
    Click(w, "cmdCarica");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Il file selezionato non è una sessione creata con questo programma!");
    EXPECT_EQ(prompts.messages[0].title, "Attenzione!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);

    EXPECT_FALSE(handedOver);
    EXPECT_FALSE(w->SessionLoaded());
    EXPECT_EQ(StartWindows().size(), 1u);

    // An interrupted test none of whose questions is left in the bank: told once, then no longer offered.
    w->close();
    const fs::path interrupted = ProgramDir() / "rcv14.dat.interrotto.test";
    std::ofstream(interrupted, std::ios::binary)
        << "tessarondequiz RCV SaveFile\r\nx|0|rcv14.dat|0|0|True|True|0|0|1\r\n1\r\n999;\r\n0\r\n1\r\n";
    w = Open();
    auto* resume = Child<QPushButton>(w, "cmdRiprendi");
    ASSERT_TRUE(resume->isVisible());
    Click(w, "cmdRiprendi");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].text, "Nessun quesito trovato per i filtri impostati!");
    EXPECT_FALSE(resume->isVisible());
    EXPECT_FALSE(fs::exists(interrupted));
    EXPECT_FALSE(handedOver);
}

TEST_F(StartScreenTest, MissingStatisticsFileIsToldOnceAndTheTestGoesOn)
{
    // A folder where the statistics file should be: it can be neither created nor opened.
    fs::create_directories(ProgramDir() / "rcv14.dat.rec");
    bool handedOver = false;
    ModWindows::ShowQuizScreen = [&] { handedOver = true; };
    frmStart* w = Open();

    Click(w, "cmdInizia");
    ASSERT_EQ(prompts.messages.size(), 1u);
    const UserMessage expected = ModFunzioni::StatisticsUnavailableMessage();
    EXPECT_EQ(prompts.messages[0].text.toStdString(), expected.text);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(TestSet->Count(), 11);
}

TEST_F(StartScreenTest, StatisticsAndProgressButtonsPassTheChosenTopic)
{
    std::vector<std::string> opened;
    auto opens = [&](const char* window) {
        return [&opened, window] {
            opened.push_back(window);
            EXPECT_EQ(TopicFilter, 3);
            EXPECT_EQ(TopicRangeFirst, 0);
        };
    };
    ModWindows::ShowStatistics = opens("frmStatistiche");
    ModWindows::ShowAndamento = opens("frmAndamento");
    frmStart* w = Open();
    Child<QListWidget>(w, "lstElencoFiltri")->setCurrentRow(3);
    Click(w, "cmdStatistiche");
    Click(w, "cmdAndamento");
    EXPECT_EQ(opened, std::vector<std::string>({"frmStatistiche", "frmAndamento"}));
    EXPECT_EQ(StartWindows().size(), 1u);
}
