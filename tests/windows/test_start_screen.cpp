// The start screen offscreen: what each control starts, shows, stores and opens.
#include "setup/Clock.h"
#include "setup/SessionFile.h"
#include "setup/TestMessages.h"

#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/QtText.h"

#include "windows/frmStart.h"
#include "windows/StartRules.h"

#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPointer>
#include <QTest>

#include <gmock/gmock.h>

using namespace support;

namespace {

ModGlobal::State& G() { return ModGlobal::Shared(); }

class StartScreenTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ModWindows::ShowQuizScreen = [this] { handOvers += Windows<frmStart>().empty() ? 1 : 100; };
        w = frmStart::ShowNew();
    }

    // The options as shown, "-" while hidden, "*" after a locked one: the
    // list's row and count, a combo's or a field's text, "x" or "." for a check box.
    QString Options() const
    {
        QStringList shown;
        for (const char* name : {"lstElencoFiltri", "cbNumero", "cbOrdine", "txtNumeroIniziale", "ckAbilitaTempo",
                                 "txtOre", "txtMin", "ckDontMixAnswers", "ckRecordBad", "ckRevisione", "cbTema"}) {
            QWidget* c = Child<QWidget>(w, name);
            QString s = qobject_cast<QCheckBox*>(c) && static_cast<QCheckBox*>(c)->isChecked() ? "x" : ".";
            if (auto* list = qobject_cast<QListWidget*>(c))
                s = QString("%1/%2").arg(list->currentRow()).arg(list->count());
            if (auto* combo = qobject_cast<QComboBox*>(c)) s = combo->currentText();
            if (auto* field = qobject_cast<QLineEdit*>(c)) s = field->text();
            shown << (c->isVisible() ? s : "-") + (c->isEnabled() ? "" : "*");
        }
        return shown.join("|");
    }
    template <typename T>
    T* C(const char* name) const { return Child<T>(w, name); }

    // Replaces the window by its fresh start once the restart timer has fired.
    void Restarted()
    {
        QPointer<frmStart> gone(w);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !gone && Windows<frmStart>().size() == 1; }, 5000));
        w = Windows<frmStart>().front();
    }

    void Told(size_t message, const char* text, MessageIcon icon)
    {
        ASSERT_GT(prompts.messages.size(), message);
        EXPECT_EQ(prompts.messages[message].text, text);
        EXPECT_EQ(prompts.messages[message].title, "Attenzione!");
        EXPECT_EQ(prompts.messages[message].icon, icon);
    }

    frmStart* w = nullptr;
    int handOvers = 0;  // to the quiz screen, once the start window has closed
};

TEST_F(StartScreenTest, FirstRunWithEveryControlNamedAndTheExamSimulationLockingItsChoices)
{
    EXPECT_EQ(w->windowTitle(), "Tessarondequiz - Comune di Roccalvento - 14 istruttori amministrativi");
    EXPECT_EQ(C<QListWidget>("lstElencoFiltri")->item(1)->text(), "   Ordinamento degli enti locali");
    EXPECT_EQ(Options(), "0/4|Tutti|Casuale|-|.|-|-|.|x|x|Aspetto standard");
    for (const char* hidden : {"optArea0", "ckLowerCase", "cmdRiprendi"}) EXPECT_TRUE(C<QWidget>(hidden)->isHidden());
    EXPECT_TRUE(C<QWidget>("cmdStampa")->isVisible());
    EXPECT_FALSE(fs::exists(RecPath()));  // only the topics are read
    // A screen reader names every control: by its text, or its caption's.
    EXPECT_THAT(UnnamedControls(w), ::testing::IsEmpty());
    EXPECT_EQ(C<QComboBox>("cbNumero")->accessibleName(), "Numero di quesiti");

    C<QListWidget>("lstElencoFiltri")->setCurrentRow(3);
    C<QComboBox>("cbOrdine")->setCurrentIndex(OrderEsame);
    EXPECT_EQ(Options(), "0/4*|50*|SIMULAZIONE ESAME|-|x*|0*|50*|.|x|x|Aspetto standard");
    C<QComboBox>("cbOrdine")->setCurrentIndex(OrderGazzetta);
    EXPECT_EQ(Options(), "0/4|50|Originale come da gazzetta|1|x|0|50|.|x|x|Aspetto standard");
}

TEST_F(StartScreenTest, StoredOptionsComeBackAndEsciStoresThem)
{
    w->close();
    for (const auto& [key, value] : {std::pair{"FiltroCorrente", "3"}, {"Numero", " 100 "}, {"Tema", "dark "},
                                     {"Ordine", "1"}, {"DontMixAnswers", "True"}, {"RecordErrors", "forse"}})
        Store(key, value);
    w = frmStart::ShowNew();
    EXPECT_EQ(Options(), "3/4|100|Prima le risposte errate|-|.|-|-|x|x|x|Colori scuri");
    C<QComboBox>("cbNumero")->setCurrentIndex(1);
    C<QLineEdit>("txtNumeroIniziale")->setText(" 12 ");
    C<QCheckBox>("ckRevisione")->setChecked(false);
    Click(w, "cmdEsci");
    EXPECT_TRUE(Windows<frmStart>().empty());
    QStringList stored;
    for (const char* key : {"Area", "FiltroCorrente", "Numero", "Tema", "Ordine", "IDIniziale", "DontMixAnswers",
                            "RecordErrors", "LowerCase", "Revisione"})
        stored << Stored(key);
    EXPECT_EQ(stored.join("|"), "0|3|30|dark|1|12|True|True|False|False");
}

TEST_F(StartScreenTest, IniziaAsksChecksTheTimeThenBuildsTheTestAndHandsOver)
{
    C<QListWidget>("lstElencoFiltri")->setCurrentRow(2);
    C<QComboBox>("cbNumero")->setCurrentIndex(1);  // "30", more than the topic holds
    C<QComboBox>("cbTema")->setCurrentIndex(2);
    C<QCheckBox>("ckDontMixAnswers")->setChecked(true);
    C<QCheckBox>("ckAbilitaTempo")->setChecked(true);
    C<QLineEdit>("txtOre")->setText("abc");
    Click(w, "cmdInizia");  // no answer queued: "No"
    prompts.answers = {PromptAnswer::Yes};
    Click(w, "cmdInizia");
    EXPECT_EQ(prompts.messages.at(1).text, StartRules::ReducedRandomnessQuestion());
    EXPECT_EQ(prompts.messages[1].defaultButton, PromptAnswer::No);
    Told(2, "Ore non indicate correttamente!", MessageIcon::Critical);
    EXPECT_FALSE(G().TestSet || fs::exists(LogPath()));

    C<QLineEdit>("txtOre")->setText("");
    C<QLineEdit>("txtMin")->setText("150");
    prompts.answers = {PromptAnswer::Yes};
    Click(w, "cmdInizia");
    EXPECT_EQ(handOvers, 1);
    EXPECT_EQ(std::tuple(G().TopicFilter, G().QuestionCount, G().TimeLimitHours, G().TimeLimitMinutes, G().ResumeIndex),
              std::tuple(2, 30, 2, 30, -1));
    EXPECT_EQ(G().CurrentTheme->Chiave, "dark");
    EXPECT_THAT(ReadBytes(LogPath()), ::testing::EndsWith("|2|rcv14.dat|0|30|True|True|2|30|1\r\n"));
}

TEST_F(StartScreenTest, AnEmptyTestRestartsTheWindowAndStampaOpensTheWizard)
{
    int wizards = 0;
    // The test for the wizard, in a folder of this run's own.
    fs::path printed;
    fs::perms folder{};
    ModWindows::ShowPrintWizard = [&] {
        ++wizards;
        printed = G().PrintSourcePath;
        folder = fs::status(printed.parent_path()).permissions();
        EXPECT_TRUE(fs::exists(printed));
    };
    C<QComboBox>("cbOrdine")->setCurrentIndex(4);  // only wrong answers: none yet
    Click(w, "cmdInizia");
    Told(0, "Nessun quesito trovato per i filtri impostati!", MessageIcon::Exclamation);
    Restarted();
    EXPECT_EQ(C<QComboBox>("cbOrdine")->currentIndex(), 4);  // stored on the way out

    C<QComboBox>("cbOrdine")->setCurrentIndex(0);
    // Another user's file of the same name in the temporary folder is in nobody's way.
    fs::create_directories(TempFolder() / "trprint2.tmp");
    Click(w, "cmdStampa");
    EXPECT_EQ(wizards, 1);
    EXPECT_EQ(std::tuple(printed.filename(), printed.parent_path().parent_path(), G().ShuffleText),
              std::tuple(fs::path("trprint2.tmp"), TempFolder(), "True"));
    EXPECT_EQ(folder, fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(printed.parent_path())) << "left behind after the wizard";
    Restarted();
}

TEST_F(StartScreenTest, CaricaHandsALoadedTestOverAndLeavesTheStoredOptionsAlone)
{
    WriteBytes(TempFolder() / "lettera.test", "Cara Anna,\r\n");
    WriteBytes(TempFolder() / "prova.test", "tessarondequiz RCV SaveFile\r\n01/03/2024 10:00:00|2|rcv14.dat|0|3|True|"
                                            "True|0|0|1\r\n2\r\n7;5;6;\r\n300\r\n312\r\n");
    C<QComboBox>("cbNumero")->setCurrentIndex(7);
    Click(w, "cmdCarica");  // cancelled
    ASSERT_EQ(prompts.files.size(), 1u);
    EXPECT_EQ(prompts.files[0].title, "Selezionare la sessione da caricare");
    EXPECT_EQ(prompts.files[0].filter, "Test in sospeso (*.test)");
    prompts.paths = {QtText::FromPath(TempFolder() / "lettera.test"), QtText::FromPath(TempFolder() / "prova.test")};
    Click(w, "cmdCarica");
    Told(0, "Il file selezionato non è una sessione creata con questo programma!", MessageIcon::Critical);
    Click(w, "cmdCarica");
    EXPECT_EQ(handOvers, 1);
    EXPECT_EQ(Codes(*G().TestSet), (std::vector<int32_t>{7, 5, 6}));
    EXPECT_EQ(std::tuple(G().ResumeIndex, G().ResumeCorrect), std::tuple(1, 1));
    EXPECT_EQ(Stored("Numero"), "");
}

TEST_F(StartScreenTest, AnInterruptedTestWithNothingLeftGoesAndAStatisticsFileInTheWayIsTold)
{
    w->close();
    WriteBytes(ProgramDir() / "rcv14.dat.interrotto.test", "tessarondequiz RCV SaveFile\r\nx|0|rcv14.dat|0|0|True|True|0|0|1\r\n"
                                        "1\r\n999;\r\n0\r\n1\r\n");
    fs::create_directories(RecPath());  // a folder where the statistics file should be
    w = frmStart::ShowNew();
    Click(w, "cmdRiprendi");
    Told(0, "Il test interrotto non può essere ripreso: alcuni dei suoi quesiti non sono più nella banca dati.",
         MessageIcon::Exclamation);
    EXPECT_TRUE(C<QWidget>("cmdRiprendi")->isHidden());
    EXPECT_FALSE(fs::exists(ProgramDir() / "rcv14.dat.interrotto.test"));
    EXPECT_TRUE(fs::exists(ProgramDir() / "rcv14.dat.interrotto.test.danneggiato")) << "set aside, never deleted";
    // The statistics are told to be lost once, and the test goes on.
    Click(w, "cmdInizia");
    Told(1, TestMessages::StatisticsUnavailable().text.c_str(), MessageIcon::Exclamation);
    EXPECT_EQ(handOvers, 1);
}

TEST_F(StartScreenTest, AnInterruptedTestIsOfferedWithWhatItHoldsAndKeptUnlessTheUserDiscardsIt)
{
    w->close();
    const fs::path file = ProgramDir() / "rcv14.dat.interrotto.test";
    const auto request = Request(1, OrderCasuale);
    const auto built = Build(request);
    built.TestSet->Item(1)->RispostaData = 2;
    TestRecord left = TestRecord::Of(request, *built.TestSet, 2);
    left.HasViews = true;
    ASSERT_TRUE(SessionFile::Write(file, left));
    w = frmStart::ShowNew();
    EXPECT_EQ(C<QPushButton>("cmdRiprendi")->text(), "Riprendi il test interrotto (1 di 3, 05/03/2024 09:07)");

    // The same file where nothing can be written is a leftover no test can replace: not offered.
    w->close();
    const fs::path stale = UserDir() / file.filename();
    fs::create_directories(UserDir());
    fs::copy_file(file, stale);
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const fs::path& folder : {ProgramDir(), UserDir()}) fs::permissions(folder, writable, fs::perm_options::remove);
    w = frmStart::ShowNew();
    EXPECT_TRUE(C<QWidget>("cmdRiprendi")->isHidden());
    w->close();
    for (const fs::path& folder : {ProgramDir(), UserDir()}) fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(stale);
    prompts.messages.clear();
    w = frmStart::ShowNew();

    // A new test, or a suspended one, asks first; "No" leaves everything as it was.
    const QString question = "C'è un test interrotto. Vuoi scartarlo e iniziarne uno nuovo?";
    Click(w, "cmdCarica");
    Click(w, "cmdInizia");
    ASSERT_EQ(prompts.messages.size(), 2u);
    for (const auto& m : prompts.messages) {
        EXPECT_EQ(m.text, question);
        EXPECT_EQ(m.buttons, PromptButtons::YesNo);
        EXPECT_EQ(m.defaultButton, PromptAnswer::No);
    }
    EXPECT_TRUE(prompts.files.empty());
    EXPECT_EQ(handOvers, 0);
    EXPECT_TRUE(fs::exists(file));
    prompts.answers = {PromptAnswer::Yes};
    Click(w, "cmdInizia");
    EXPECT_EQ(handOvers, 1);
    EXPECT_FALSE(fs::exists(file)) << "discarded once the new test starts";
}

TEST_F(StartScreenTest, ADamagedInterruptedTestIsToldOnceAndSetAside)
{
    w->close();
    const fs::path file = ProgramDir() / "rcv14.dat.interrotto.test";
    WriteBytes(file, "tessarondequiz RCV SaveFile\r\nx|0|rcv14.dat|0|0|True|True|0|0|1\r\n1\r\n1;\r\n7\r\n1\r\n");
    w = frmStart::ShowNew();
    Told(0, "Il test interrotto non può essere ripreso: il file è danneggiato.", MessageIcon::Exclamation);
    EXPECT_TRUE(C<QWidget>("cmdRiprendi")->isHidden());
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(ProgramDir() / "rcv14.dat.interrotto.test.danneggiato"));
    w->close();
    w = frmStart::ShowNew();
    EXPECT_EQ(prompts.messages.size(), 1u) << "told once";
}

TEST_F(StartScreenTest, ImpossibleStatisticsAreToldWhenATestStarts)
{
    WriteStats({{2, Record(-1179, 0, 0, 2)}});
    Click(w, "cmdInizia");
    Told(0, "Il file delle statistiche è danneggiato: i valori non validi sono considerati zero.", MessageIcon::Exclamation);
    EXPECT_EQ(handOvers, 1);
}

TEST_F(StartScreenTest, TheReviewScheduleCountsWhatIsDueForTheChosenRowAndBuildsThatOrder)
{
    w->close();
    // Read on 10/03/2024 (tests/fixtures/memory/crafted-log): due 10 11 6 8 1, lowest chance first.
    fs::copy_file(Fixtures::Source("memory/crafted-log/rcv14.log"), LogPath());
    Clock::SetFixedNowText("10/03/2024 21:00:00");
    Store("Ordine", "6");
    w = frmStart::ShowNew();
    auto* due = C<QLabel>("lbDaRipassare");
    EXPECT_EQ(C<QComboBox>("cbOrdine")->currentText(), "RIPASSO PROGRAMMATO");
    EXPECT_TRUE(due->isVisible());
    EXPECT_EQ(due->text(), "Da ripassare oggi: 5 quesiti");
    C<QListWidget>("lstElencoFiltri")->setCurrentRow(2);
    EXPECT_EQ(due->text(), "Da ripassare oggi: 2 quesiti");
    C<QComboBox>("cbOrdine")->setCurrentIndex(OrderCasuale);
    EXPECT_FALSE(due->isVisible());
    C<QComboBox>("cbOrdine")->setCurrentIndex(OrderRipasso);
    EXPECT_TRUE(due->isVisible());
    Click(w, "cmdInizia");
    EXPECT_EQ(handOvers, 1);
    EXPECT_THAT(Codes(*G().TestSet), ::testing::ElementsAre(6, 8, ::testing::_, ::testing::_));
}

TEST_F(StartScreenTest, AOneTopicBankHidesTheListWhoseRowsStillChooseTheTopic)
{
    w->close();
    UseBank("onetopic");
    std::vector<int32_t> topics;
    ModWindows::ShowStatistics = ModWindows::ShowAndamento = [&] { topics.push_back(G().TopicFilter); };
    w = frmStart::ShowNew();
    EXPECT_EQ(Options(), "-|Tutti|Casuale|-|.|-|-|.|x|x|Aspetto standard");
    C<QListWidget>("lstElencoFiltri")->setCurrentRow(1);
    Click(w, "cmdStatistiche");
    Click(w, "cmdAndamento");
    EXPECT_EQ(topics, (std::vector<int32_t>{1, 1}));
}

}  // namespace
