#include "SubMain.h"

#include "ModGlobal.h"
#include "ModWindows.h"
#include "Prompts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
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

}  // namespace

bool SubMain()
{
    InstallToolkitTranslations();
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
