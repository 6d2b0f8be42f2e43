#include "app/SubMain.h"

#include "bank/DataFolders.h"

#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include "app/ToolkitTranslations.h"

#include <QStandardPaths>

namespace {

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

bool SubMain(const std::filesystem::path& sessionFile)
{
    ToolkitTranslations::Install();
    UseDesktopDataFolders();
    ModGlobal::InitGlobals();
    if (!ModGlobal::DataFileExists()) {
        Prompts::Tell(QStringLiteral("Attenzione!"),
                      QStringLiteral("Errore in lettura del file di dati. Effettuare nuovamente l'installazione."),
                      MessageIcon::Critical);
        return false;
    }
    if (!sessionFile.empty() && ModWindows::ShowStartScreenLoading)
        ModWindows::ShowStartScreenLoading(sessionFile);
    else if (ModWindows::ShowStartScreen)
        ModWindows::ShowStartScreen();
    return true;
}
