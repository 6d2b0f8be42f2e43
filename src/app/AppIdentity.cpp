#include "app/AppIdentity.h"

#include <QApplication>
#include <QIcon>

// The resource lives in a static library, whose unreferenced initialiser the linker would drop.
static void LoadIcons() { Q_INIT_RESOURCE(icons); }

namespace AppIdentity {

void Apply()
{
    LoadIcons();
    QApplication::setApplicationName(QStringLiteral("Tessarondequiz"));
    // Lets the desktop match the windows with the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("it.tessarondequiz.Tessarondequiz"));
    // Compiled in, so that a build folder or a portable copy shows it too.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tessarondequiz-48.png"));
    icon.addFile(QStringLiteral(":/icons/tessarondequiz-256.png"));
    QApplication::setWindowIcon(icon);
}

}  // namespace AppIdentity
