#include "ucsFine.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ucsFine::ucsFine(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsFine");
    auto* lbConclusa = new QLabel(QStringLiteral("Operazione conclusa!"), this);
    lbConclusa->setObjectName("lbConclusa");
    QFont font = lbConclusa->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    lbConclusa->setFont(font);
    auto* lbUscita = new QLabel(QStringLiteral("Clicca su \"Fine\" per uscire dalla funzione di stampa."), this);
    lbUscita->setObjectName("lbUscita");
    lbUscita->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(lbConclusa);
    layout->addWidget(lbUscita);
    layout->addStretch(1);
}

void ucsFine::Enter()
{
    // The one call on the wizard window: Fine takes the keyboard focus.
    if (auto* fine = window()->findChild<QPushButton*>(QStringLiteral("cmdWalk1"))) fine->setFocus();
}
