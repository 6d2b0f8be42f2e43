#include "wizard/ModPrint.h"

#include "print/CPaginatrice.h"
#include "wizard/frmPrint.h"

namespace ModPrint {

cPrintOptions PrintOptions;
std::shared_ptr<CPaginatrice> Printer;
std::filesystem::path SavedDocument;

namespace {
frmPrint* g_wizard = nullptr;
}

frmPrint* OpenWizard() { return g_wizard; }

void RegisterWizard(frmPrint* wizard) { g_wizard = wizard; }

void UnregisterWizard(frmPrint* wizard)
{
    if (g_wizard == wizard) g_wizard = nullptr;
}

void EnableButtons(bool back, bool next, bool exit)
{
    if (g_wizard) g_wizard->EnableButtons(back, next, exit);
}

void AdvanceWizard()
{
    if (g_wizard) g_wizard->GoForward();
}

void CloseWizard()
{
    if (g_wizard) g_wizard->CloseWizard();
}

}  // namespace ModPrint
