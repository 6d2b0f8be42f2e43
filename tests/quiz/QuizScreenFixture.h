#pragma once

#include "bank/BankRandom.h"
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/TestSettings.h"

#include "ui/AppSettings.h"
#include "ui/ModWindows.h"

#include "quiz/frmMain.h"

#include "Fixtures.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << "RGB(" << c.red() << "," << c.green() << "," << c.blue() << ")";
}

// Closes the modal windows the quiz screen opens (result window, viewers)
// as soon as they are on screen, after letting a test look at them. The
// progress window of the start screen is left alone.
class ModalCloser : public QObject {
public:
    ModalCloser()
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() == QLatin1String("frmModal") || !dialog->isVisible()) return;
            seen.push_back(dialog->objectName());
            if (onDialog) onDialog(dialog);
            if (dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
        });
        m_timer.start();
    }

    std::vector<QString> seen;
    std::function<void(QDialog*)> onDialog;

private:
    QTimer m_timer;
};

// A program folder holding a bank as rcv14.dat, a throw-away settings file,
// scripted prompts, a fixed clock and the globals of a fresh program.
class QuizScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = fs::path(m_dir.path().toStdString());
        fs::create_directories(ProgramDir());
        m_savedProgramFolder = ProgramFolder::Get();
        ProgramFolder::Set(ProgramDir());
        ModFunzioni::SetTempFolder(m_root);
        AppSettings::UseFile(QString::fromStdString((m_root / "settings.ini").string()));
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        ModWindows::Reset();
        ModGlobal::InitGlobals();
        BankRandom::SetTestSeed(7);
        Clock::SetFixedNowText("05/03/2024 09:00:00");
        UseBank(Fixtures::Small());
    }

    void TearDown() override
    {
        ModWindows::Reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->close();
        DeleteClosed();
        frmMain::SetPointerSource({});
        Clock::SetFixedNowText("");
        AppSettings::UseFile({});
        ModFunzioni::SetTempFolder({});
        ProgramFolder::Set(m_savedProgramFolder);
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        BankRandom::ClearTestSeed();
    }

    fs::path ProgramDir() const { return m_root / "prog"; }
    fs::path Root() const { return m_root; }
    fs::path RecordPath() const { return ProgramDir() / "rcv14.dat.rec"; }
    fs::path LogPath() const { return ProgramDir() / "rcv14.log"; }

    void UseBank(const fs::path& bank)
    {
        fs::copy_file(bank, ProgramDir() / "rcv14.dat", fs::copy_options::overwrite_existing);
    }

    void WriteBank(const std::string& text)
    {
        std::ofstream out(ProgramDir() / "rcv14.dat", std::ios::binary | std::ios::trunc);
        out << text;
    }

    // Builds the test in gazette order, answers unshuffled, and opens the quiz
    // screen; wholeBank takes the bank in file order instead, cancelled questions too.
    frmMain* OpenQuiz(int32_t resumeIndex = -1, const std::string& theme = "default", bool wholeBank = true)
    {
        ModGlobal::CurrentDataFile = ModGlobal::DataFileName;
        ModGlobal::OrderMode = OrderGazzetta;
        ModGlobal::KeepAnswerOrder = true;
        ModFunzioni::DefineFilters();
        ModFunzioni::DefineExamSets();
        ModFunzioni::EstraiQuesiti();
        if (wholeBank) ModGlobal::TestSet = ModGlobal::Document->Quesiti();
        ModGlobal::ResumeIndex = resumeIndex;
        ModGlobal::CurrentTheme = ModGlobal::Themes->Item(theme);
        set = ModGlobal::TestSet;
        return frmMain::ShowNew();
    }

    static std::string ReadBytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    template <typename T>
    static T* Child(QWidget* window, const QString& name)
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    static QString Text(QWidget* window, const QString& label) { return Child<QLabel>(window, label)->text(); }

    static void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Messages shown so far with this title.
    std::vector<MessageRequest> MessagesTitled(const QString& title) const
    {
        std::vector<MessageRequest> found;
        for (const auto& m : prompts.messages)
            if (m.title == title) found.push_back(m);
        return found;
    }

    ScriptedPrompts prompts;
    ModalCloser closer;
    std::shared_ptr<cQuesiti> set;

private:
    QTemporaryDir m_dir;
    fs::path m_root;
    fs::path m_savedProgramFolder;
};
