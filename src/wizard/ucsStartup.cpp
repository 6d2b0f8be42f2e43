#include "wizard/ucsStartup.h"

#include "bank/TextConvert.h"

#include "ui/cMousePointer.h"
#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/Prompts.h"

#include "print/CPaginatrice.h"

#include "wizard/ModPrint.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

ucsStartup::ucsStartup(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsStartup");
    auto* lbLettura =
        Controls::Label(this, "lbLettura", QStringLiteral("E' in corso la lettura dei quesiti da stampare..."));
    auto* lbAttendere = Controls::Label(this, "lbAttendere", QStringLiteral("Attendere prego..."));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QLabel* label : {lbLettura, lbAttendere}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
        layout->addSpacing(12);
    }
    layout->addStretch(2);

    // Started by Enter, so the page is painted before the file is read.
    timStarter = new QTimer(this);
    timStarter->setObjectName("timStarter");
    timStarter->setInterval(150);
    connect(timStarter, &QTimer::timeout, this, &ucsStartup::Starter);
}

void ucsStartup::Initialize() { ModPrint::EnableButtons(false, false, false); }

void ucsStartup::Enter() { timStarter->start(); }

void ucsStartup::Starter()
{
    timStarter->stop();
    ModPrint::Printer = std::make_shared<CPaginatrice>();
    // Unreadable text falls back to the start screen's default: answers shuffled.
    const bool shuffle = TextConvert::ToBool(ModGlobal::Shared().ShuffleText).value_or(true);
    Expected<void> loaded;
    {
        cMousePointer pointer;
        pointer.SetWait();
        loaded = ModPrint::Printer->CaricaQuesitiDaSessione(std::filesystem::path(ModGlobal::Shared().PrintSourcePath), shuffle);
    }
    // Another file prints nothing, silently.
    if (!loaded && loaded.error().kind != Failure::Kind::NotASession) {
        Prompts::Tell(CPaginatrice::LoadFailureMessage(loaded.error()));
        ModPrint::CloseWizard();
        return;
    }
    ModPrint::AdvanceWizard();
}
