// The program's start and end, and the twips of the window layouts.
#include "bank/BankLock.h"

#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/SubMain.h"
#include "app/ToolkitTranslations.h"

#include "windows/frmStart.h"

#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/Twips.h"

#include "support/WindowTest.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTest>

using namespace support;

namespace {

TEST(Twips, FifteenTwipsToThePixelAt96Dpi)
{
    EXPECT_EQ(Twips::ToPixels(15, 96), 1);
    EXPECT_EQ(Twips::ToPixels(1440, 120), 120);
    EXPECT_EQ(Twips::FromPixels(96, 96), 1440);
}

TEST(CommandLine, OptionsFileAndMistakes)
{
    // Arguments; exit status (-1: the program starts); what stdout and stderr start with; the test to load.
    const std::vector<std::tuple<std::vector<const char*>, int, std::string, std::string, fs::path>> table = {
        {{}, -1, "", "", {}},
        {{"--version"}, 0, "Tessarondequiz 1.", "", {}},
        {{"--help"}, 0, "Uso: tessarondequiz [FILE.test]\n", "", {}},
        {{"prova.test", "-h"}, 0, "Uso: tessarondequiz", "", {}},
        {{"/a/prova.test"}, -1, "", "", "/a/prova.test"},
        {{"prova.test"}, -1, "", "", fs::current_path() / "prova.test"},
        {{"--", "-strano.test"}, -1, "", "", fs::current_path() / "-strano.test"},
        {{"--pippo"}, 2, "", "tessarondequiz: opzione sconosciuta \"--pippo\"\nPer l'elenco delle opzioni: ", {}},
        {{"-platform", "offscreen"}, 2, "", "tessarondequiz: opzione sconosciuta \"-platform\"", {}},
        {{"a.test", "b.test"}, 2, "", "tessarondequiz: si può indicare un solo test in sospeso\n", {}},
    };
    for (const auto& [args, status, out, err, file] : table) {
        std::vector<const char*> argv{"tessarondequiz"};
        argv.insert(argv.end(), args.begin(), args.end());
        const auto request = CommandLine::Parse(static_cast<int>(argv.size()), argv.data());
        const std::string row = testing::PrintToString(args);
        EXPECT_EQ(request.exitStatus.value_or(-1), status) << row;
        EXPECT_TRUE(request.output.starts_with(out)) << row << request.output;
        EXPECT_TRUE(request.error.starts_with(err)) << row << request.error;
        EXPECT_EQ(request.output.empty(), out.empty()) << row;
        EXPECT_EQ(request.error.empty(), err.empty()) << row;
        EXPECT_EQ(request.sessionFile, file) << row;
    }
}

TEST(ToolkitTranslations, TheToolkitsOwnDialogsSpeakItalian)
{
    ToolkitTranslations::Install();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Cerca in:");
    // Missing from Debian's catalogue: the file dialog's name for a folder.
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"), "Cartella");
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Nothing else"), "Nothing else");
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 6), QStringLiteral("d MMMM")), "6 dicembre");
}

using AppTest = WindowTest;

TEST_F(AppTest, EveryWindowCarriesTheProgramsIcon)
{
    AppIdentity::Apply();
    frmStart::ShowNew();
    ASSERT_EQ(Windows<frmStart>().size(), 1u);
    const QIcon icon = Windows<frmStart>().front()->windowIcon();
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
    Windows<frmStart>().front()->close();
}

TEST_F(AppTest, WithoutTheDataFileOnlyTheCriticalMessageShows)
{
    fs::remove(DataPath());
    ModWindows::ShowStartScreen = [] { ADD_FAILURE() << "a start window without a bank"; };
    EXPECT_FALSE(SubMain());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Errore in lettura del file di dati. Effettuare nuovamente l'installazione.");
    EXPECT_EQ(prompts.messages[0].title, "Attenzione!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
}

TEST_F(AppTest, ASecondProgramOnTheSameBankSaysSoAndEnds)
{
    BankLock first(ProgramDir() / "rcv14.dat.lock");
    ASSERT_EQ(first.Take(), BankLock::State::Taken);
    ModWindows::ShowStartScreen = [] { ADD_FAILURE() << "a second start window on the bank"; };
    EXPECT_FALSE(SubMain());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Tessarondequiz è già in esecuzione su questa banca dati.");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    // Once the first has gone (a killed one's lock goes with its process), the next one starts.
    first.Release();
    int starts = 0;
    ModWindows::ShowStartScreen = [&starts] { ++starts; };
    EXPECT_TRUE(SubMain());
    EXPECT_EQ(starts, 1);
}

TEST_F(AppTest, ASuspendedTestOnTheCommandLineLoadsThroughTheStartWindow)
{
    int handOvers = 0;
    ModWindows::ShowQuizScreen = [&] { handOvers += Windows<frmStart>().empty() ? 1 : 100; };
    ModWindows::ShowStartScreen = [] { ADD_FAILURE() << "the start window that loads nothing"; };
    ModWindows::ShowStartScreenLoading = [](const fs::path& path) { frmStart::ShowNewLoading(path); };
    // Not a suspended test: the loader's own message, over the start window, which stays.
    WriteBytes(TempFolder() / "lettera.test", "Cara Anna,\r\n");
    EXPECT_TRUE(SubMain(TempFolder() / "lettera.test"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.messages.empty(); }, 5000));
    EXPECT_EQ(prompts.messages[0].text, "Il file selezionato non è una sessione creata con questo programma!");
    ASSERT_EQ(Windows<frmStart>().size(), 1u);
    Windows<frmStart>().front()->close();
    DeleteClosed();

    WriteBytes(TempFolder() / "prova.test", "tessarondequiz RCV SaveFile\r\n01/03/2024 10:00:00|2|rcv14.dat|0|3|True|"
                                            "True|0|0|1\r\n2\r\n7;5;6;\r\n300\r\n312\r\n");
    EXPECT_TRUE(SubMain(TempFolder() / "prova.test"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return handOvers > 0; }, 5000));
    EXPECT_EQ(handOvers, 1);
    EXPECT_EQ(Codes(*ModGlobal::Shared().TestSet), (std::vector<int32_t>{7, 5, 6}));
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(AppTest, TheStartWindowOpensAndTheProgramEndsWithTheLastWindow)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    int quits = 0;
    std::unique_ptr<QObject> watcher(ModWindows::QuitWhenNoWindowLeft(*app, [&quits] { ++quits; }));
    ModWindows::ShowStartScreen = [] { frmStart::ShowNew(); };
    EXPECT_TRUE(SubMain());
    ASSERT_EQ(Windows<frmStart>().size(), 1u);
    // A restart closes one window and shows the next within one event.
    Windows<frmStart>().front()->close();
    frmStart::ShowNew();
    // The check runs after the current event: once the queue is empty it has run.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(quits, 0);
    ASSERT_EQ(Windows<frmStart>().size(), 1u);
    Click(Windows<frmStart>().front(), "cmdEsci");
    EXPECT_TRUE(QTest::qWaitFor([&quits] { return quits == 1; }, 5000));
    watcher.reset();
    app->setQuitOnLastWindowClosed(true);
}

}  // namespace
