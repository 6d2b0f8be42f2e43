#include "wizard/ucsOpzioni1.h"

#include "ui/Controls.h"

#include "wizard/ModPrint.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

ucsOpzioni1::ucsOpzioni1(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsOpzioni1");
    auto* lbTitolo = Controls::Label(this, "lbTitolo", QStringLiteral("Personalizza il contenuto del documento:"));
    QFont font = lbTitolo->font();
    font.setBold(true);
    lbTitolo->setFont(font);
    ckArgomenti = Controls::Named(
        new QCheckBox(QStringLiteral("Scrivi l'argomento accanto al testo della domanda"), this), "ckArgomenti");
    ckNumeri = Controls::Named(
        new QCheckBox(QStringLiteral("Riporta il numero identificativo di ciascuna domanda"), this), "ckNumeri");
    ckDifficolta = Controls::Named(
        new QCheckBox(QStringLiteral("Riporta il livello di difficoltà di ciascuna domanda"), this), "ckDifficolta");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(lbTitolo);
    layout->addSpacing(4);
    for (QCheckBox* box : {ckArgomenti, ckNumeri, ckDifficolta}) {
        auto* indent = new QHBoxLayout;
        indent->addSpacing(16);
        indent->addWidget(box, 1);
        layout->addLayout(indent);
    }
    layout->addStretch(1);
}

void ucsOpzioni1::Enter()
{
    const auto& options = ModPrint::PrintOptions;
    ckArgomenti->setChecked(options.MostraArgomenti);
    ckNumeri->setChecked(options.MostraCodici);
    ckDifficolta->setChecked(options.MostraDifficolta);
    ckArgomenti->setEnabled(true);
    ckDifficolta->setChecked(false);
    ckDifficolta->setEnabled(false);
}

bool ucsOpzioni1::Validate()
{
    auto& options = ModPrint::PrintOptions;
    options.MostraArgomenti = ckArgomenti->isChecked();
    options.MostraCodici = ckNumeri->isChecked();
    options.MostraDifficolta = ckDifficolta->isChecked();
    return true;
}
