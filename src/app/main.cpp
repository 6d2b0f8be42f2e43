#include "windows/frmAndamento.h"
#include "windows/frmStart.h"
#include "windows/frmStatistiche.h"

#include "ui/ModWindows.h"

#include "quiz/frmMain.h"

#include "wizard/frmPrint.h"

#include "app/CommandLine.h"
#include "app/SubMain.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (const auto info = CommandLine::InfoText(argc, argv)) {
        std::fputs(info->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarondequiz"));
    // Lets the desktop match the windows with the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("it.tessarondequiz.Tessarondequiz"));
    // Windows hand over to one another; the program ends when none is left.
    ModWindows::QuitWhenNoWindowLeft(app);
    ModWindows::ShowStartScreen = [] { frmStart::ShowNew(); };
    ModWindows::ShowQuizScreen = [] { frmMain::ShowNew(); };
    ModWindows::ShowStatistics = [] { frmStatistiche::ShowModal(QApplication::activeWindow()); };
    ModWindows::ShowAndamento = [] { frmAndamento::ShowModal(QApplication::activeWindow()); };
    ModWindows::ShowPrintWizard = [] { frmPrint::ShowModal(QApplication::activeWindow()); };
    if (!SubMain()) return 0;
    return app.exec();
}
