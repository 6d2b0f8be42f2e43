#include "wizard/DesktopOpener.h"

#include "ui/QtText.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {

// Most openers hand the file over and end at once, failing when no
// application takes it; without a desktop environment xdg-open runs the
// application itself and ends with it. Still running after this long, it has
// found one.
constexpr int AnswerMs = 5000;

}  // namespace

bool DesktopOpener::Open(const std::filesystem::path& document)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    // Without the opener, Qt's own way, which cannot tell whether it worked.
    if (program.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(QtText::FromPath(document)));

    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(AnswerMs, &loop, &QEventLoop::quit);
    process->start(program, {QtText::FromPath(document)});
    // The window keeps painting meanwhile; the wizard's buttons are disabled.
    if (process->state() != QProcess::NotRunning) loop.exec();

    if (process->state() != QProcess::NotRunning) {
        // Left to run on, and never killed with its QProcess: it may be the
        // word processor the user is reading the document in.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool opened = process->error() == QProcess::UnknownError && process->exitStatus() == QProcess::NormalExit &&
                        process->exitCode() == 0;
    delete process;
    return opened;
}
