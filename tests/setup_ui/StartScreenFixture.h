#pragma once

#include "bank/BankRandom.h"
#include "bank/ProgramFolder.h"

#include "setup/frmStart.h"
#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/TestSettings.h"

#include "ui/AppSettings.h"
#include "ui/ModWindows.h"

#include "tools/Encoder.h"

#include "Fixtures.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A program folder holding a bank as rcv14.dat, a throw-away settings file,
// scripted prompts and the globals of a fresh program.
class StartScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = fs::path(m_dir.path().toStdString());
        fs::create_directories(ProgramDir());
        fs::create_directories(m_root / "tmp");
        m_savedProgramFolder = ProgramFolder::Get();
        ProgramFolder::Set(ProgramDir());
        ModFunzioni::SetTempFolder(m_root / "tmp");
        AppSettings::UseFile(SettingsFile());
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        ModWindows::Reset();
        ModGlobal::InitGlobals();
        BankRandom::SetTestSeed(11);
        fs::copy_file(Fixtures::Small(), DataPath());
    }

    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* start = dynamic_cast<frmStart*>(w)) start->close();
        }
        DeleteClosed();
        AppSettings::UseFile({});
        ModFunzioni::SetTempFolder({});
        ProgramFolder::Set(m_savedProgramFolder);
        ModWindows::Reset();
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        BankRandom::ClearTestSeed();
    }

    fs::path ProgramDir() const { return m_root / "prog"; }
    fs::path DataPath() const { return ProgramDir() / "rcv14.dat"; }
    fs::path LogPath() const { return ProgramDir() / "rcv14.log"; }
    fs::path TempDir() const { return m_root / "tmp"; }
    QString SettingsFile() const { return QString::fromStdString((m_root / "settings.ini").string()); }

    // Values as a previous run would have stored them.
    void Store(const QString& key, const QString& value)
    {
        QSettings ini(SettingsFile(), QSettings::IniFormat);
        ini.setValue("RCV/" + key, value);
    }
    QString Stored(const QString& key)
    {
        QSettings ini(SettingsFile(), QSettings::IniFormat);
        return ini.value("RCV/" + key).toString();
    }

    // Replaces the bank by one of `topics` topics with `perTopic` questions each.
    void WriteBank(int topics, int perTopic)
    {
        std::ofstream out(DataPath(), std::ios::binary | std::ios::trunc);
        for (int t = 1; t <= topics; ++t) out << "AM:Argomento " << t << "\r\n";
        for (int t = 1; t <= topics; ++t)
            for (int i = 1; i <= perTopic; ++i) {
                out << "QI:" << (t * 10000 + i) << "," << t << ",1,1\r\n";
                out << "QD:" << Encoder::Encode("Domanda " + std::to_string(i)) << "\r\n";
                for (int r = 1; r <= 4; ++r)
                    out << "R" << r << ":" << Encoder::Encode("Risposta " + std::to_string(r)) << "\r\n";
            }
    }

    frmStart* Open() { return frmStart::ShowNew(); }

    // The start windows still on screen.
    static std::vector<frmStart*> StartWindows()
    {
        std::vector<frmStart*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* start = dynamic_cast<frmStart*>(w); start && start->isVisible()) found.push_back(start);
        return found;
    }

    template <typename T>
    static T* Child(QWidget* window, const char* name)
    {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    static void Click(QWidget* window, const char* button)
    {
        QTest::mouseClick(Child<QWidget>(window, button), Qt::LeftButton);
    }

    // The window that replaced `old` once the 10 ms restart timer fired, or null.
    static frmStart* WaitForNewWindow(frmStart* old)
    {
        QPointer<frmStart> guard(old);
        for (int i = 0; i < 100; ++i) {
            QTest::qWait(5);
            const auto windows = StartWindows();
            if ((guard.isNull() || !guard->isVisible()) && windows.size() == 1) return windows.front();
        }
        return nullptr;
    }

    static void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ScriptedPrompts prompts;

private:
    QTemporaryDir m_dir;
    fs::path m_root;
    fs::path m_savedProgramFolder;
};
