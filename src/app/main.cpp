#include "windows/frmAndamento.h"
#include "windows/frmStart.h"
#include "windows/frmStatistiche.h"

#include "ui/ModWindows.h"

#include "quiz/frmMain.h"
#include "quiz/frmRevisione.h"

#include "wizard/frmPrint.h"

#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/ScreenGuard.h"
#include "app/SubMain.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    const CommandLine::Request request = CommandLine::Parse(argc, argv);
    if (request.exitStatus) {
        std::fputs(request.output.c_str(), stdout);
        std::fputs(request.error.c_str(), stderr);
        return *request.exitStatus;
    }
    // The toolkit gets no arguments: the program has none of its own beyond those above.
    int toolkitArgc = 1;
    ScreenGuard::Arm();
    QApplication app(toolkitArgc, argv);
    ScreenGuard::Disarm();
    AppIdentity::Apply();
    // Windows hand over to one another; the program ends when none is left.
    ModWindows::QuitWhenNoWindowLeft(app);
    ModWindows::ShowStartScreen = [] { frmStart::ShowNew(); };
    ModWindows::ShowStartScreenLoading = [](const std::filesystem::path& path) { frmStart::ShowNewLoading(path); };
    ModWindows::ShowQuizScreen = [] { frmMain::ShowNew(); };
    ModWindows::ShowStatistics = [] { frmStatistiche::ShowModal(QApplication::activeWindow()); };
    ModWindows::ShowAndamento = [] { frmAndamento::ShowModal(QApplication::activeWindow()); };
    ModWindows::ShowPrintWizard = [] { frmPrint::ShowModal(QApplication::activeWindow()); };
    ModWindows::ShowReview = [](const cQuesiti& test, const HistoryEntry& result) {
        frmRevisione review(test, result, QApplication::activeWindow());
        review.exec();
    };
    if (!SubMain(request.sessionFile)) return 0;
    return app.exec();
}
