#include "wizard/ucsConferma.h"

#include "ui/Controls.h"

#include <QLabel>
#include <QVBoxLayout>

ucsConferma::ucsConferma(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsConferma");
    const QString texts[3] = {
        QStringLiteral("Sono state raccolte tutte le informazioni necessarie per generare l'elenco dei quesiti."),
        QStringLiteral("Verrà creato un documento Word, che potrai stampare, inviare, registrare su disco, ecc..."),
        QStringLiteral("Clicca su \"Avanti\" per creare il documento!"),
    };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    for (int i = 0; i < 3; ++i) {
        auto* label = Controls::Label(this, QStringLiteral("Label%1").arg(i + 1), texts[i]);
        label->setWordWrap(true);
        if (i == 2) {
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
        }
        layout->addWidget(label);
    }
    layout->addStretch(1);
}
