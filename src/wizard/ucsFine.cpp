#include "wizard/ucsFine.h"

#include "ui/Controls.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include "print/DocumentOpener.h"
#include "wizard/ModPrint.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ucsFine::ucsFine(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsFine");
    auto* lbConclusa = Controls::Label(this, "lbConclusa", QStringLiteral("Operazione conclusa!"));
    QFont font = lbConclusa->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    lbConclusa->setFont(font);
    auto* lbUscita =
        Controls::Label(this, "lbUscita", QStringLiteral("Clicca su \"Fine\" per uscire dalla funzione di stampa."));
    lbUscita->setWordWrap(true);

    // Where the document is, with a way to it: the user may have no word
    // processor, or may not find the one that opened.
    m_saved = new QWidget(this);
    auto* lbSalvato = Controls::Label(m_saved, "lbSalvato", QStringLiteral("Il documento è stato salvato in:"));
    lbPercorso = Controls::Label(m_saved, "lbPercorso");
    lbPercorso->setWordWrap(true);
    lbPercorso->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* cmdCartella =
        Controls::Named(new QPushButton(QStringLiteral("Apri la &cartella"), m_saved), "cmdCartella");
    cmdCartella->setAutoDefault(false);
    cmdCartella->setMinimumWidth(cmdCartella->sizeHint().width() + 24);
    connect(cmdCartella, &QPushButton::clicked, this, &ucsFine::OpenFolder);
    auto* savedLayout = new QVBoxLayout(m_saved);
    savedLayout->setContentsMargins(0, 0, 0, 0);
    savedLayout->addWidget(lbSalvato);
    savedLayout->addWidget(lbPercorso);
    savedLayout->addWidget(cmdCartella, 0, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(lbConclusa);
    layout->addWidget(m_saved);
    layout->addWidget(lbUscita);
    layout->addStretch(1);
}

void ucsFine::Enter()
{
    m_saved->setVisible(!ModPrint::SavedDocument.empty());
    lbPercorso->setText(QtText::FromPath(ModPrint::SavedDocument));
    // The one call on the wizard window: Fine takes the keyboard focus.
    if (auto* fine = window()->findChild<QPushButton*>(QStringLiteral("cmdWalk1"))) fine->setFocus();
}

void ucsFine::OpenFolder()
{
    const auto folder = ModPrint::SavedDocument.parent_path();
    const auto opener = word::DocumentOpener::Default();
    if (!opener || !opener->Open(folder))
        Prompts::Tell(QStringLiteral("Attenzione!"),
                      QStringLiteral("Impossibile aprire la cartella \"") + QtText::FromPath(folder) +
                          QStringLiteral("\": nessuna applicazione del sistema la può mostrare."),
                      MessageIcon::Exclamation);
}
