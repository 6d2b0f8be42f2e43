// The print wizard offscreen, wired once: the pages and their buttons, the
// large-list question, the options page, the close box during the build, the
// last page's path and folder button, and the errors it shows. What the
// document holds is the builder's, tested in tests/print.


#include "ui/ModGlobal.h"

#include "print/CPaginatrice.h"
#include "wizard/DesktopOpener.h"
#include "print/DocumentsFolder.h"
#include "wizard/frmPrint.h"
#include "wizard/ModPrint.h"
#include "wizard/ProgressSlider.h"

#include "tools/SourceCompiler.h"

#include "support/WindowTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace support;

namespace {

// Records what it is asked to open; `during` runs while the build is still on.
class Opener : public word::DocumentOpener {
public:
    bool Open(const fs::path& document) override
    {
        opened.push_back(document);
        if (during) during();
        return succeed;
    }
    bool succeed = true;
    std::vector<fs::path> opened;
    std::function<void()> during;
};

// An environment variable set for the life of the object.
struct ScopedEnv {
    ScopedEnv(const char* name, const std::string& value) : name(name), old(qgetenv(name))
    {
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~ScopedEnv() { qputenv(name, old); }
    const char* name;
    QByteArray old;
};

// The program's bank holds 500 questions, each with its first answer right;
// the desktop's folders are in the scratch folder.
class PrintWizard : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        std::string source = "AM:Cultura generale\nAM:Lingua italiana\n";
        for (int c = 1; c <= 500; ++c)
            source += "QI:" + std::to_string(c) + ",1,1,1\nQD:Domanda " + std::to_string(c) +
                      "?\nR1:Giusta\nR2:Sbagliata\nR3:Altra\nR4:Nessuna\n";
        WriteBank(SourceCompiler::Compile(source, "rcv14.txt").data);
        word::DocumentOpener::SetDefault(opener);
    }

    void TearDown() override
    {
        m_windows.clear();
        ModPrint::Printer.reset();
        word::DocumentOpener::SetDefault(nullptr);
        DocumentsFolder::Set({});
        WindowTest::TearDown();
    }

    // The file the start screen writes for printing: the first `count` questions of the bank.
    void Session(int count, const std::string& bank = "rcv14.dat")
    {
        std::string codes;
        for (int c = 1; c <= count; ++c) codes += std::to_string(c) + ";";
        WriteBytes(TempFolder() / "trprint2.tmp", "tessarondequiz RCV SaveFile\r\n05/03/2024 09:07:02|0|" + bank +
                                                      "|0|0|False|True|0|0|0\r\n0\r\n" + codes + "\r\n" +
                                                      std::string(count, '0') + "\r\n" + std::string(count, '1') +
                                                      "\r\n");
        ModGlobal::Shared().PrintSourcePath = (TempFolder() / "trprint2.tmp").string();
    }

    frmPrint* Open()
    {
        m_windows.push_back(std::make_unique<frmPrint>());
        m_windows.back()->show();
        return m_windows.back().get();
    }

    // Pages 1 and 6 move on by themselves.
    static bool WaitForStep(frmPrint* w, int n)
    {
        return QTest::qWaitFor([&] { return w->CurrentStep() == n; }, 5000);
    }

    frmPrint* OpenAtFormat()
    {
        frmPrint* w = Open();
        EXPECT_TRUE(WaitForStep(w, 2));
        Click(w, "cmdWalk1");
        return w;
    }

    // Back, Next, Exit enabled, as "+" or "-".
    static std::string Buttons(QWidget* w)
    {
        std::string s;
        for (const char* name : {"cmdWalk0", "cmdWalk1", "cmdEsci"}) s += Child<QWidget>(w, name)->isEnabled() ? '+' : '-';
        return s;
    }

    std::shared_ptr<Opener> opener = std::make_shared<Opener>();

private:
    ScopedEnv m_home{"HOME", root.path().string()};
    ScopedEnv m_config{"XDG_CONFIG_HOME", (root / "config").string()};
    std::vector<std::unique_ptr<frmPrint>> m_windows;
};

}  // namespace

TEST_F(PrintWizard, WalksThePagesAndBuildsWithTheChosenOptions)
{
    // An Italian desktop names its documents folder; it is made when missing.
    fs::create_directories(root / "config");
    WriteBytes(root / "config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documenti utente\"\n");
    Session(4);
    frmPrint* w = Open();
    EXPECT_EQ(w->windowTitle(), "Stampa quesiti");
    EXPECT_EQ(Child<QLabel>(w, "lbHeader")->text(), "Attendere!");
    EXPECT_EQ(Buttons(w), "---");
    ASSERT_TRUE(WaitForStep(w, 2));
    EXPECT_EQ(ModPrint::Printer->Quesiti().Count(), 4);
    EXPECT_EQ(Buttons(w), "-++");

    // No layout chosen: Next stays disabled, also after going back to page 2 and forth.
    Click(w, "cmdWalk1");
    EXPECT_EQ(Buttons(w), "+-+");
    Click(w, "cmdWalk0");
    EXPECT_EQ(w->CurrentStep(), 2);
    Click(w, "cmdWalk1");
    EXPECT_EQ(Buttons(w), "+-+");
    // The caption chooses as well as the picture.
    Click(w, "lbHeaderFormato1");
    EXPECT_EQ(Buttons(w), "+++");
    EXPECT_TRUE(Child<QLabel>(w, "lbHeaderFormato1")->font().bold());
    EXPECT_FALSE(Child<QLabel>(w, "lbHeaderFormato0")->font().bold());
    EXPECT_EQ(Child<QWidget>(w, "picFormat1")->palette().color(QPalette::Window), QColor(128, 255, 160));

    // The difficulty is never offered, whatever was stored; the other choices and the layout are kept.
    Click(w, "cmdWalk1");
    auto* numeri = Child<QCheckBox>(w, "ckNumeri");
    auto* difficolta = Child<QCheckBox>(w, "ckDifficolta");
    EXPECT_TRUE(Child<QCheckBox>(w, "ckArgomenti")->isChecked() && numeri->isChecked());
    EXPECT_FALSE(difficolta->isChecked() || difficolta->isEnabled());
    numeri->setChecked(false);
    Click(w, "cmdWalk1");
    ModPrint::PrintOptions.MostraDifficolta = true;
    Click(w, "cmdWalk0");
    EXPECT_FALSE(numeri->isChecked() || difficolta->isChecked() || difficolta->isEnabled());
    Click(w, "cmdWalk0");
    EXPECT_EQ(Buttons(w), "+++");
    Click(w, "cmdWalk1");
    Click(w, "cmdWalk1");
    EXPECT_EQ(Child<QLabel>(w, "lbHeader")->text(), "Clicca su Avanti!");

    // During the build nothing can be pressed and the close box is refused.
    std::string buttonsDuringBuild;
    bool visibleAfterClose = false;
    opener->during = [&] {
        buttonsDuringBuild = Buttons(w);
        w->close();
        QTest::keyClick(w, Qt::Key_Escape);
        visibleAfterClose = w->isVisible();
    };
    Click(w, "cmdWalk1");
    ASSERT_TRUE(WaitForStep(w, 7));
    EXPECT_EQ(buttonsDuringBuild, "---");
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Buttons(w), "-+-");
    EXPECT_EQ(Child<QPushButton>(w, "cmdWalk1")->text(), "&Fine");
    const auto* slider = Child<ProgressSlider>(w, "ProgressSlider");
    EXPECT_EQ(slider->InnerWidth(), slider->FullWidth());
    const CPaginatrice& printer = *ModPrint::Printer;
    EXPECT_EQ(std::tuple(printer.Formato, printer.MostraArgomenti, printer.MostraCodici, printer.MostraDifficolta),
              std::tuple(2, true, false, false));

    // The last page names the document and opens its folder.
    ASSERT_EQ(opener->opened.size(), 1u);
    EXPECT_EQ(opener->opened[0].parent_path(), root / "Documenti utente");
    EXPECT_EQ(Child<QLabel>(w, "lbPercorso")->text(), QString::fromStdString(opener->opened[0].string()));
    Click(w, "cmdCartella");
    EXPECT_EQ(opener->opened.back(), root / "Documenti utente");
    Click(w, "cmdWalk1");
    EXPECT_FALSE(w->isVisible());
}

TEST_F(PrintWizard, ListLayoutAsksFirstFromFiveHundredQuestions)
{
    frmPrint* w = nullptr;
    for (const int count : {499, 500}) {
        Session(count);
        w = OpenAtFormat();
        Click(w, "picFormat0");
        Click(w, "cmdWalk1");
        EXPECT_EQ(w->CurrentStep(), count == 499 ? 4 : 3) << count;
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& asked = prompts.messages[0];
    EXPECT_EQ(asked.title, "Attenzione!");
    EXPECT_EQ(asked.text, "Per il formato selezionato e il numero di quesiti da stampare, l'operazione potrebbe "
                          "richiedere alcuni minuti.\r\nSi vuole proseguire?");
    EXPECT_EQ(asked.icon, MessageIcon::Exclamation);
    EXPECT_EQ(asked.buttons, PromptButtons::YesNo);
    EXPECT_EQ(asked.defaultButton, PromptAnswer::No);

    // The table is quick at any size.
    Click(w, "picFormat1");
    Click(w, "cmdWalk1");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(w->CurrentStep(), 4);
}

TEST_F(PrintWizard, ABuildErrorIsShownAndTheWizardEndsAsUsual)
{
    // Saved, but nothing could open it, nor its folder.
    opener->succeed = false;
    Session(2);
    frmPrint* w = OpenAtFormat();
    Click(w, "picFormat0");
    for (int page = 3; page <= 5; ++page) Click(w, "cmdWalk1");
    ASSERT_TRUE(WaitForStep(w, 7));
    EXPECT_EQ(Buttons(w), "-+-");
    ASSERT_EQ(prompts.messages.size(), 1u);
    ASSERT_EQ(opener->opened.size(), 1u);
    const QString saved = QString::fromStdString(opener->opened[0].string());
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(prompts.messages[0].text.endsWith("salvato in:\r\n" + saved)) << prompts.messages[0].text.toStdString();
    EXPECT_EQ(Child<QLabel>(w, "lbPercorso")->text(), saved);
    Click(w, "cmdCartella");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(prompts.messages[1].text.startsWith("Impossibile aprire la cartella")) << prompts.messages[1].text.toStdString();
}

TEST_F(PrintWizard, ALoadFailureIsShownAndClosesTheWizard)
{
    Session(2, "altro.dat");
    frmPrint* w = Open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 5000));
    EXPECT_EQ(w->CurrentStep(), 1);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(prompts.messages[0].text.contains("altro.dat")) << prompts.messages[0].text.toStdString();
}

// The desktop's opener fails when no application takes the file.
TEST(DesktopOpenerTest, TellsWhetherAnApplicationTookTheFile)
{
    TempDir temp;
    fs::create_directories(temp / "bin");
    ScopedEnv path("PATH", (temp / "bin").string() + ":" + qgetenv("PATH").toStdString());
    for (const int status : {0, 3}) {
        WriteBytes(temp / "bin" / "xdg-open",
                   "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/asked\"\nexit " + std::to_string(status) + "\n");
        fs::permissions(temp / "bin" / "xdg-open", fs::perms::owner_all);
        EXPECT_EQ(DesktopOpener().Open(temp / "Documento.docx"), status == 0) << status;
        EXPECT_EQ(ReadBytes(temp / "bin" / "asked"), (temp / "Documento.docx").string() + "\n");
    }
}

TEST(ProgressSliderTest, GrowsWithTheValueWithinItsFrame)
{
    ProgressSlider slider;
    slider.resize(300, 20);
    const int stub = slider.InnerWidth();
    EXPECT_EQ(stub, slider.MinimumWidth());
    slider.SetBarUpper(0);
    slider.SetBarValue(5);
    EXPECT_EQ(slider.InnerWidth(), stub);
    slider.SetBarUpper(10);
    slider.SetBarValue(5);
    EXPECT_NEAR(slider.InnerWidth(), stub + (slider.FullWidth() - stub) / 2, 1);
    slider.SetBarValue(25);
    EXPECT_EQ(slider.InnerWidth(), slider.FullWidth());
    // The share is kept when the control is resized.
    slider.SetBarValue(5);
    slider.resize(500, 20);
    EXPECT_NEAR(slider.InnerWidth(), stub + (slider.FullWidth() - stub) / 2, 1);
}
