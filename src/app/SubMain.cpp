#include "app/SubMain.h"

#include "bank/DataFolders.h"

#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace {

// The toolkit's own texts (file dialog, context menus) in Italian, when installed.
void InstallToolkitTranslations()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Where an installed bank is found, and where its statistics go when its folder is read-only.
void UseDesktopDataFolders()
{
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.push_back(QtText::ToPath(folder));
    DataFolders::SetDesktopDataFolders(std::move(folders));
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!user.isEmpty()) DataFolders::SetUserDataFolder(QtText::ToPath(user));
}

}  // namespace

bool SubMain()
{
    InstallToolkitTranslations();
    UseDesktopDataFolders();
    ModGlobal::InitGlobals();
    if (!ModGlobal::DataFileExists()) {
        Prompts::Tell(QStringLiteral("Attenzione!"),
                      QStringLiteral("Errore in lettura del file di dati. Effettuare nuovamente l'installazione."),
                      MessageIcon::Critical);
        return false;
    }
    if (ModWindows::ShowStartScreen) ModWindows::ShowStartScreen();
    return true;
}
