#include "wizard/ucsElab.h"

#include "ui/cMousePointer.h"

#include "ui/Controls.h"
#include "ui/Prompts.h"

#include "print/CPaginatrice.h"
#include "wizard/ModPrint.h"
#include "print/PrintError.h"
#include "wizard/ProgressSlider.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

ucsElab::ucsElab(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsElab");
    auto* lbCreazione = Controls::Label(this, "lbCreazione", QStringLiteral("Creazione del documento in corso..."));
    m_slider = new ProgressSlider(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addStretch(1);
    layout->addWidget(lbCreazione);
    layout->addWidget(m_slider);
    layout->addStretch(2);

    // Started by Enter, so the page is painted before the long build.
    timStarter = new QTimer(this);
    timStarter->setObjectName("timStarter");
    timStarter->setInterval(100);
    connect(timStarter, &QTimer::timeout, this, &ucsElab::Starter);
}

ucsElab::~ucsElab() { DisconnectPrinter(); }

void ucsElab::Enter()
{
    ModPrint::EnableButtons(false, false, false);
    timStarter->start();
}

void ucsElab::Starter()
{
    timStarter->stop();
    if (ModPrint::Printer) {
        ConnectPrinter();
        CPaginatrice& printer = *ModPrint::Printer;
        const auto& options = ModPrint::PrintOptions;
        printer.Formato = options.Formato;
        printer.NumColonne = options.NumColonne;
        printer.MostraArgomenti = options.MostraArgomenti;
        printer.MostraCodici = options.MostraCodici;
        printer.MostraDifficolta = options.MostraDifficolta;
        try {
            cMousePointer pointer;
            pointer.SetWait();
            printer.Build();
        } catch (const PrintError& error) {
            Prompts::Tell(error.Message());
        }
        // Saved, whether or not anything could open it: the last page names it.
        const auto& app = printer.WordApp();
        if (app && app->Documents().Count() > 0) ModPrint::SavedDocument = app->Documents()(1).FullName();
    }
    ModPrint::EnableButtons(false, false, true);
    DisconnectPrinter();
    ModPrint::AdvanceWizard();
}

void ucsElab::ConnectPrinter()
{
    m_printer = ModPrint::Printer;
    m_printer->OnSetMax = [this](int32_t n) { m_slider->SetBarUpper(n); };
    m_printer->OnSetCurrent = [this](int32_t n) { m_slider->SetBarValue(n); };
}

void ucsElab::DisconnectPrinter()
{
    if (!m_printer) return;
    m_printer->OnSetMax = nullptr;
    m_printer->OnSetCurrent = nullptr;
    m_printer.reset();
}
