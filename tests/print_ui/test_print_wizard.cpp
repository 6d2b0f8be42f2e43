// The print wizard offscreen, with scripted prompts and an opener that records
// the finished document: the page sequence and its buttons, the large-list
// warning, the options page, the close box during the build, the two build
// errors, a load failure, the desktop's documents folder, and the desktop's
// opener telling whether the document opened.

#include "setup/ModGlobal.h"
#include "setup/TestSettings.h"

#include "print/DesktopOpener.h"
#include "print/DocumentsFolder.h"
#include "print/frmPrint.h"
#include "print/IStep.h"
#include "print/ModPrint.h"
#include "print/ProgressSlider.h"

#include "PrintTestSupport.h"
#include "support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

using namespace printtest;

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
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name)) m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_old) setenv(m_name, m_old->c_str(), 1);
        else unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class PrintWizard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(Fixtures::Small())) << "fixture banks not built";
        fs::create_directories(temp / "prog");
        fs::copy_file(Fixtures::Small(), temp / "prog" / "rcv14.dat");
        m_oldFolder = ProgramFolder::Get();
        ProgramFolder::Set(temp / "prog");
        DocumentsFolder::Set(temp / "Documenti");
        word::DocumentOpener::SetDefault(opener);
        ModGlobal::ResetTestSettings();
        ModPrint::Printer.reset();
        BankRandom::SetTestSeed(11);
    }

    void TearDown() override
    {
        for (auto& w : m_windows) w.reset();
        ModPrint::Printer.reset();
        word::DocumentOpener::SetDefault(nullptr);
        DocumentsFolder::Set({});
        ProgramFolder::Set(m_oldFolder);
        ModGlobal::ResetTestSettings();
        BankRandom::ClearTestSeed();
    }

    // The file the start screen writes, naming `bank` and listing `codes`.
    void Session(const std::string& codes, const std::string& bank = "rcv14.dat")
    {
        WriteSession(temp / "trprint2.tmp", bank, codes);
        ModGlobal::PrintSourcePath = (temp / "trprint2.tmp").string();
        ModGlobal::ShuffleText = "False";
    }

    frmPrint* Open()
    {
        m_windows.push_back(std::make_unique<frmPrint>());
        m_windows.back()->show();
        return m_windows.back().get();
    }

    // True once the wizard shows page n (pages 1 and 6 move on by timer).
    static bool WaitForStep(frmPrint* w, int n)
    {
        for (int i = 0; i < 400 && w->CurrentStep() != n; ++i) QTest::qWait(10);
        return w->CurrentStep() == n;
    }

    // A wizard on page 3 with the session loaded.
    frmPrint* OpenAtFormat(const std::string& codes)
    {
        Session(codes);
        frmPrint* w = Open();
        EXPECT_TRUE(WaitForStep(w, 2));
        Click(w, "cmdWalk1");
        EXPECT_EQ(w->CurrentStep(), 3);
        return w;
    }

    // A list of two questions printed through every page, up to the last.
    frmPrint* RunToTheEnd()
    {
        frmPrint* w = OpenAtFormat("1;2;");
        Click(w, "picFormat0");
        for (int page = 3; page <= 5; ++page) Click(w, "cmdWalk1");
        EXPECT_TRUE(WaitForStep(w, 7));
        EXPECT_EQ(Buttons(w), "-+-");
        EXPECT_EQ(Child<QPushButton>(w, "cmdWalk1")->text(), "&Fine");
        return w;
    }

    template <typename T = QWidget>
    static T* Child(QWidget* w, const char* name)
    {
        T* child = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static void Click(QWidget* w, const char* name) { QTest::mouseClick(Child(w, name), Qt::LeftButton); }

    // Back, Next, Exit enabled, as "+" or "-".
    static std::string Buttons(QWidget* w)
    {
        std::string s;
        for (const char* name : {"cmdWalk0", "cmdWalk1", "cmdEsci"}) s += Child(w, name)->isEnabled() ? '+' : '-';
        return s;
    }

    TempDir temp;
    ScriptedPrompts prompts;
    std::shared_ptr<Opener> opener = std::make_shared<Opener>();

private:
    fs::path m_oldFolder;
    std::vector<std::unique_ptr<frmPrint>> m_windows;
};

TEST_F(PrintWizard, WalksThroughThePagesAndSavesTheDocument)
{
    Session("9;2;12;4;");
    frmPrint* w = Open();
    EXPECT_EQ(w->windowTitle(), "Stampa quesiti");
    EXPECT_EQ(w->CurrentStep(), 1);
    EXPECT_EQ(Buttons(w), "---");
    EXPECT_EQ(Child<QLabel>(w, "lbHeader")->text(), "Attendere!");

    ASSERT_TRUE(WaitForStep(w, 2));
    EXPECT_EQ(ModPrint::Printer->Quesiti().Count(), 4);
    EXPECT_EQ(Child<QLabel>(w, "lbDesc")->text(), "Benvenuto nella funzione di stampa!");
    EXPECT_EQ(Buttons(w), "-++");

    // No layout chosen: Next stays disabled, also after going back to page 2 and forth.
    Click(w, "cmdWalk1");
    EXPECT_EQ(Buttons(w), "+-+");
    Click(w, "cmdWalk0");
    EXPECT_EQ(w->CurrentStep(), 2);
    EXPECT_EQ(Buttons(w), "-++");
    Click(w, "cmdWalk1");
    EXPECT_EQ(Buttons(w), "+-+");

    // The caption chooses as well as the picture; the choice survives a visit to page 4.
    Click(w, "lbHeaderFormato1");
    EXPECT_EQ(ModPrint::PrintOptions.Formato, 2);
    EXPECT_EQ(Buttons(w), "+++");
    EXPECT_TRUE(Child<QLabel>(w, "lbHeaderFormato1")->font().bold());
    EXPECT_EQ(Child(w, "picFormat1")->palette().color(QPalette::Window), QColor(128, 255, 160));
    EXPECT_EQ(Child(w, "picFormat0")->palette().color(QPalette::Window), QColor(128, 128, 128));
    Click(w, "cmdWalk1");
    Click(w, "cmdWalk0");
    EXPECT_EQ(w->CurrentStep(), 3);
    EXPECT_EQ(Buttons(w), "+++");
    Click(w, "cmdWalk1");
    Click(w, "cmdWalk1");
    EXPECT_EQ(Child<QLabel>(w, "lbHeader")->text(), "Clicca su Avanti!");

    // During the build nothing can be pressed and the close box is refused.
    bool visibleAfterClose = false;
    std::string buttonsDuringBuild;
    opener->during = [&] {
        buttonsDuringBuild = Buttons(w);
        w->close();
        QTest::keyClick(w, Qt::Key_Escape);
        visibleAfterClose = w->isVisible();
    };
    Click(w, "cmdWalk1");
    EXPECT_EQ(w->CurrentStep(), 6);
    EXPECT_EQ(Buttons(w), "---");
    ASSERT_TRUE(WaitForStep(w, 7));
    EXPECT_EQ(buttonsDuringBuild, "---");
    EXPECT_TRUE(visibleAfterClose);

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Child<QPushButton>(w, "cmdWalk1")->text(), "&Fine");
    EXPECT_EQ(Buttons(w), "-+-");
    const auto* slider = Child<ProgressSlider>(w, "ProgressSlider");
    EXPECT_EQ(slider->InnerWidth(), slider->FullWidth());

    ASSERT_EQ(opener->opened.size(), 1u);
    const fs::path docx = opener->opened[0];
    EXPECT_EQ(docx.parent_path(), temp / "Documenti");
    EXPECT_EQ(docx.extension(), ".docx");
    const auto body = ReadZip(docx)["word/document.xml"];
    EXPECT_NE(body.find("<w:tbl>"), std::string::npos);
    EXPECT_NE(body.find("HeaderTab"), std::string::npos);
    // Topic and number shown, difficulty never.
    EXPECT_NE(body.find("(Logica e cultura generale, n.201)"), std::string::npos) << body.substr(0, 2000);

    // The last page names the document and opens its folder.
    EXPECT_TRUE(Child(w, "lbPercorso")->isVisible());
    EXPECT_EQ(Child<QLabel>(w, "lbPercorso")->text(), QString::fromStdString(docx.string()));
    Click(w, "cmdCartella");
    ASSERT_EQ(opener->opened.size(), 2u);
    EXPECT_EQ(opener->opened[1], temp / "Documenti");

    Click(w, "cmdWalk1");
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->ExitRequested());
}

TEST_F(PrintWizard, ListLayoutAsksFirstFromFiveHundredQuestions)
{
    WriteBytes(temp / "prog" / "rcv14.dat", GeneratedBank(500));

    frmPrint* w = OpenAtFormat(CodeList(1, 499));
    Click(w, "picFormat0");
    Click(w, "cmdWalk1");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(w->CurrentStep(), 4);

    w = OpenAtFormat(CodeList(1, 500));
    Click(w, "picFormat0");
    Click(w, "cmdWalk1");
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& asked = prompts.messages[0];
    EXPECT_EQ(asked.title, "Attenzione!");
    EXPECT_EQ(asked.text, "Per il formato selezionato e il numero di quesiti da stampare, l'operazione potrebbe "
                          "richiedere alcuni minuti.\r\nSi vuole proseguire?");
    EXPECT_EQ(asked.icon, MessageIcon::Exclamation);
    EXPECT_EQ(asked.buttons, PromptButtons::YesNo);
    EXPECT_EQ(asked.defaultButton, PromptAnswer::No);
    EXPECT_EQ(w->CurrentStep(), 3);

    // The table is quick at any size.
    Click(w, "picFormat1");
    Click(w, "cmdWalk1");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(w->CurrentStep(), 4);
}

TEST_F(PrintWizard, DifficultyIsNeverOfferedWhateverWasStored)
{
    frmPrint* w = OpenAtFormat("1;2;3;");
    Click(w, "picFormat0");
    Click(w, "cmdWalk1");
    auto* argomenti = Child<QCheckBox>(w, "ckArgomenti");
    auto* numeri = Child<QCheckBox>(w, "ckNumeri");
    auto* difficolta = Child<QCheckBox>(w, "ckDifficolta");
    EXPECT_TRUE(argomenti->isChecked() && argomenti->isEnabled());
    EXPECT_TRUE(numeri->isChecked());
    EXPECT_FALSE(difficolta->isChecked() || difficolta->isEnabled());

    numeri->setChecked(false);
    Click(w, "cmdWalk1");
    EXPECT_FALSE(ModPrint::PrintOptions.MostraCodici);
    EXPECT_FALSE(ModPrint::PrintOptions.MostraDifficolta);

    ModPrint::PrintOptions.MostraDifficolta = true;
    Click(w, "cmdWalk0");
    EXPECT_EQ(w->CurrentStep(), 4);
    EXPECT_FALSE(numeri->isChecked());
    EXPECT_FALSE(difficolta->isChecked() || difficolta->isEnabled());
}

TEST_F(PrintWizard, BuildErrorsAreReportedAndTheWizardEndsAsUsual)
{
    // Saved, but nothing could open it: the user learns where it is.
    opener->succeed = false;
    frmPrint* w = RunToTheEnd();
    ASSERT_EQ(prompts.messages.size(), 1u);
    ASSERT_EQ(opener->opened.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Attenzione!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.messages[0].text,
              "Errore in fase di creazione del documento: non è stato possibile interfacciarsi con Microsoft Word."
              "\r\n\r\nAccertarsi che sul PC sia presente un'installazione funzionante di MS-Word "
              "(97/2000/XP/2003 o una versione successiva).\r\n\r\nIl documento è stato comunque salvato in:\r\n" +
                  QString::fromStdString(opener->opened[0].string()));
    EXPECT_TRUE(fs::exists(opener->opened[0]));
    EXPECT_EQ(Child<QLabel>(w, "lbPercorso")->text(), QString::fromStdString(opener->opened[0].string()));
    // Nor can its folder be shown.
    Click(w, "cmdCartella");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(prompts.messages[1].text.startsWith("Impossibile aprire la cartella"))
        << prompts.messages[1].text.toStdString();

    // Any other failure: its number and description, and no document to name.
    WriteBytes(temp / "file", "a file where the folder should be");
    DocumentsFolder::Set(temp / "file" / "Documenti");
    w = RunToTheEnd();
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[2].icon, MessageIcon::Critical);
    EXPECT_TRUE(prompts.messages[2].text.startsWith(
        "Errore inaspettato in fase di creazione del documento: 75 - Impossibile creare la cartella"))
        << prompts.messages[2].text.toStdString();
    EXPECT_EQ(opener->opened.size(), 2u);
    EXPECT_FALSE(Child(w, "lbPercorso")->isVisible());
}

TEST_F(PrintWizard, SavesInTheDesktopsDocumentsFolder)
{
    // An Italian desktop names its documents folder in user-dirs.dirs; it is made when missing.
    fs::create_directories(temp / "config");
    WriteBytes(temp / "config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documenti utente\"\n");
    ScopedEnv home("HOME", temp.path().string());
    ScopedEnv config("XDG_CONFIG_HOME", (temp / "config").string());
    DocumentsFolder::Set({});
    RunToTheEnd();
    ASSERT_EQ(opener->opened.size(), 1u);
    EXPECT_EQ(opener->opened[0].parent_path(), temp / "Documenti utente");
    EXPECT_TRUE(fs::exists(opener->opened[0]));
}

// The desktop's opener ends with a failure when no application takes the file.
TEST(DesktopOpenerTest, TellsWhetherTheOpenerFoundAnApplication)
{
    TempDir temp;
    WriteBytes(temp / "Documento.docx", "PK");
    fs::create_directories(temp / "bin");
    ScopedEnv path("PATH", (temp / "bin").string() + ":" + std::getenv("PATH"));
    for (const int status : {0, 3}) {
        WriteBytes(temp / "bin" / "xdg-open", "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/asked\"\nexit " +
                                                  std::to_string(status) + "\n");
        fs::permissions(temp / "bin" / "xdg-open", fs::perms::owner_all);
        EXPECT_EQ(DesktopOpener().Open(temp / "Documento.docx"), status == 0) << status;
        EXPECT_EQ(ReadBytes(temp / "bin" / "asked"), (temp / "Documento.docx").string() + "\n");
    }
}

TEST_F(PrintWizard, LoadFailureIsReportedAndClosesTheWizard)
{
    Session("1;2;", "altro.dat");
    frmPrint* w = Open();
    for (int i = 0; i < 400 && w->isVisible(); ++i) QTest::qWait(10);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->CurrentStep(), 1);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Attenzione!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(prompts.messages[0].text.contains("altro.dat")) << prompts.messages[0].text.toStdString();
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

}  // namespace
