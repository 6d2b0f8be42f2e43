#include "SubMain.h"

#include "ModGlobal.h"
#include "ModWindows.h"
#include "Prompts.h"

bool SubMain()
{
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
