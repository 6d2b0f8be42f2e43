#include "wizard/ucsIntro.h"

#include "ui/Controls.h"

#include <QLabel>
#include <QVBoxLayout>

ucsIntro::ucsIntro(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsIntro");
    auto* lbBenvenuto = Controls::Label(this, "lbBenvenuto", QStringLiteral("Benvenuto in Paginatrice!"));
    QFont font = lbBenvenuto->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    lbBenvenuto->setFont(font);
    auto* lbTesto = Controls::Label(this, "lbTesto",
                                    QStringLiteral("Paginatrice è lo strumento sviluppato da Tessarondequiz che ti "
                                                   "permette di creare e stampare i tuoi quiz in ordine sempre "
                                                   "casuale, per esercitarti anche senza PC."));
    lbTesto->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(lbBenvenuto);
    layout->addWidget(lbTesto);
    layout->addStretch(1);
}
