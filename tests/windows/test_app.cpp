// The program's start and end, and the twips of the window layouts.
#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/SubMain.h"

#include "windows/frmStart.h"

#include "ui/ModWindows.h"
#include "ui/Twips.h"

#include "support/WindowTest.h"

#include <QApplication>
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
    QTest::qWait(50);
    EXPECT_EQ(quits, 0);
    ASSERT_EQ(Windows<frmStart>().size(), 1u);
    Click(Windows<frmStart>().front(), "cmdEsci");
    QTest::qWait(50);
    EXPECT_EQ(quits, 1);
    watcher.reset();
    app->setQuitOnLastWindowClosed(true);
}

}  // namespace
