#pragma once

#include <filesystem>
#include <functional>

class QApplication;
class cQuesiti;
struct HistoryEntry;
class QObject;

// Hooks through which the start screen opens the windows of the other parts
// of the program. An empty hook means that window is not part of this build.
namespace ModWindows {

// A fresh start window, shown modeless (the quiz screen uses it when it closes).
extern std::function<void()> ShowStartScreen;
// A fresh start window that then loads the suspended test at `path` as its
// "Carica un test in sospeso" button loads the file chosen (the command line's FILE.test).
extern std::function<void(const std::filesystem::path&)> ShowStartScreenLoading;
// The quiz screen for the test in ModGlobal::TestSet, shown modeless.
extern std::function<void()> ShowQuizScreen;
// The statistics window, shown modally.
extern std::function<void()> ShowStatistics;
// The progress window, shown modally.
extern std::function<void()> ShowAndamento;
// The print wizard for ModGlobal::PrintSourcePath, shown modally.
extern std::function<void()> ShowPrintWizard;
// The review of a finished test, shown modally over the active window.
extern std::function<void(const cQuesiti&, const HistoryEntry&)> ShowReview;

// Clears the hooks (for tests).
void Reset();

// The application quits once none of its windows is visible. The check runs
// after the current event, so a window may close and show the next one within
// one handler without ending the program. `quit` replaces QCoreApplication::quit
// (tests); deleting the returned watcher stops it.
QObject* QuitWhenNoWindowLeft(QApplication& app, std::function<void()> quit = {});

// True when a top-level window other than a popup or tooltip is visible.
bool AnyWindowVisible();

}  // namespace ModWindows
