#include "DesktopOpener.h"

#include "QtText.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopOpener::Open(const std::filesystem::path& document)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QtText::FromPath(document)));
}
