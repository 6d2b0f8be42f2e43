// The program's start and end, and the twips of the window layouts.
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

using AppTest = WindowTest;

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
