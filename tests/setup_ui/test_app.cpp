#include "ui/Twips.h"

#include "app/SubMain.h"

#include "StartScreenFixture.h"

#include <QPushButton>
#include <QTimer>

TEST(Twips, FifteenTwipsToThePixelAt96Dpi)
{
    EXPECT_EQ(Twips::ToPixels(15, 96), 1);
    EXPECT_EQ(Twips::ToPixels(1440, 96), 96);
    EXPECT_EQ(Twips::ToPixels(1440, 120), 120);
    EXPECT_EQ(Twips::FromPixels(96, 96), 1440);
}

class AppStartTest : public StartScreenTest {};

TEST_F(AppStartTest, SettingsHaveTheirDefaultsAndLiveInGroupRCV)
{
    {
        AppSettings settings;
        EXPECT_EQ(settings.Get(AppSettings::Key::Numero), "Tutti");
        EXPECT_EQ(settings.Get(AppSettings::Key::Tema), "default");
        EXPECT_EQ(settings.Get(AppSettings::Key::IDIniziale), "1");
        EXPECT_EQ(settings.Get(AppSettings::Key::RecordErrors), "True");
        settings.Set(AppSettings::Key::Ordine, "4");
    }
    EXPECT_EQ(Stored("Ordine"), "4");
    EXPECT_EQ(AppSettings().Get(AppSettings::Key::Ordine), "4");
}

TEST_F(AppStartTest, MissingDataFileShowsOnlyTheCriticalMessage)
{
    fs::remove(DataPath());
    bool startShown = false;
    ModWindows::ShowStartScreen = [&] { startShown = true; };

    EXPECT_FALSE(SubMain());
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& m = prompts.messages[0];
    EXPECT_EQ(m.text, "Errore in lettura del file di dati. Effettuare nuovamente l'installazione.");
    EXPECT_EQ(m.title, "Attenzione!");
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_EQ(m.buttons, PromptButtons::Ok);
    EXPECT_FALSE(startShown);
    EXPECT_FALSE(ModWindows::AnyWindowVisible());
}

TEST_F(AppStartTest, WithTheDataFileTheStartWindowOpens)
{
    ModWindows::ShowStartScreen = [] { frmStart::ShowNew(); };
    EXPECT_TRUE(SubMain());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(StartWindows().size(), 1u);
    EXPECT_FALSE(fs::exists(ProgramDir() / "rcv14.dat.rec"));
}

TEST_F(AppStartTest, TheProgramLivesWhileWindowsHandOverAndEndsWithEsci)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    int quits = 0;
    QObject* watcher = ModWindows::QuitWhenNoWindowLeft(*app, [&quits] { ++quits; });
    frmStart* w = Open();

    // A restart closes one window and shows the next within one event.
    QTimer::singleShot(0, w, [w] {
        w->close();
        frmStart::ShowNew();
    });
    QTest::qWait(100);
    EXPECT_EQ(quits, 0);

    const auto windows = StartWindows();
    ASSERT_EQ(windows.size(), 1u);
    Click(windows.front(), "cmdEsci");
    QTest::qWait(50);
    EXPECT_EQ(quits, 1);

    delete watcher;
    app->setQuitOnLastWindowClosed(true);
}
