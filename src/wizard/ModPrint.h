#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

class CPaginatrice;
class frmPrint;

// State the print wizard shares with its pages. The file to print and the
// shuffle flag are ModGlobal::PrintSourcePath and ModGlobal::ShuffleText.
namespace ModPrint {

struct cPrintOptions {
    int32_t Formato = 0;  // 0 none chosen yet, 1 list, 2 table
    bool MostraArgomenti = true;
    bool MostraCodici = true;
    bool MostraDifficolta = true;
    int32_t NumColonne = 2;
};

extern cPrintOptions PrintOptions;
// Made by the first page, used by the processing page; kept until the next print run.
extern std::shared_ptr<CPaginatrice> Printer;
// Where this print run saved its document; empty until it has.
extern std::filesystem::path SavedDocument;

// The wizard on screen, or null.
frmPrint* OpenWizard();
void RegisterWizard(frmPrint* wizard);
void UnregisterWizard(frmPrint* wizard);

// Enabled state of Back, Next and Exit of the open wizard.
void EnableButtons(bool back, bool next, bool exit);
// Next, as if pressed, on the open wizard.
void AdvanceWizard();
// Ends the open wizard.
void CloseWizard();

}  // namespace ModPrint
