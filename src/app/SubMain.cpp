#include "app/SubMain.h"

#include "bank/BankFiles.h"
#include "bank/BankLock.h"
#include "bank/DataFolders.h"

#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include "app/ToolkitTranslations.h"

#include <QStandardPaths>

#include <memory>

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

// Held for as long as the program runs; a new start in the same process (tests) lets the old one go.
std::unique_ptr<BankLock>& Lock()
{
    static std::unique_ptr<BankLock> lock;
    return lock;
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
    // One program per bank and user: two would count one answer twice.
    Lock() = std::make_unique<BankLock>(BankFiles::For(ModGlobal::Shared().DataFileName).lock);
    if (Lock()->Take() == BankLock::State::HeldElsewhere) {
        Lock().reset();
        Prompts::Tell(QStringLiteral("Attenzione!"), QStringLiteral("Tessarondequiz è già in esecuzione su questa banca dati."),
                      MessageIcon::Exclamation);
        return false;
    }
    if (!sessionFile.empty() && ModWindows::ShowStartScreenLoading)
        ModWindows::ShowStartScreenLoading(sessionFile);
    else if (ModWindows::ShowStartScreen)
        ModWindows::ShowStartScreen();
    return true;
}
