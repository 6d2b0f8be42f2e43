// frmStart: the heading, the options beside the buttons, the tab order.
#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/QtText.h"

#include "windows/frmStart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#ifndef TQ_VERSION
#define TQ_VERSION "1.0"
#endif

using Controls::Label;
using Controls::Named;

void frmStart::BuildLayout()
{
    // Heading: the program, the competition and a word of encouragement.
    auto* heading = Named(new QFrame(this), "frHeading");
    heading->setFrameShape(QFrame::StyledPanel);
    heading->setAutoFillBackground(true);
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::Window, QColor(0, 0, 96));
    headingPalette.setColor(QPalette::WindowText, Qt::white);
    heading->setPalette(headingPalette);

    const QString title = QtText::FromCp1252(ModGlobal::Shared().CompetitionTitle);
    const qsizetype dash = title.indexOf(QStringLiteral(" - "));
    auto* lbLogo = Label(heading, "lbLogo", QStringLiteral("tessarondequiz"));
    QFont logoFont = lbLogo->font();
    logoFont.setPointSizeF(logoFont.pointSizeF() * 1.8);
    logoFont.setBold(true);
    lbLogo->setFont(logoFont);
    lbLogo->setStyleSheet(QStringLiteral("color: rgb(160, 160, 160);"));
    auto* lbConcorso1 = Label(heading, "lbConcorso1", dash < 0 ? title : title.left(dash));
    auto* lbConcorso2 = Label(heading, "lbConcorso2", dash < 0 ? QString() : title.mid(dash + 3));
    QFont competitionFont = lbConcorso1->font();
    competitionFont.setPointSizeF(competitionFont.pointSizeF() * 1.35);
    competitionFont.setBold(true);
    lbConcorso1->setFont(competitionFont);
    lbConcorso2->setFont(competitionFont);
    auto* lbSlogan1 = Label(heading, "lbSlogan1", QStringLiteral("Ogni quesito svolto oggi"));
    auto* lbSlogan2 = Label(heading, "lbSlogan2", QStringLiteral("è un passo in più verso il concorso."));
    QFont sloganFont = lbSlogan1->font();
    sloganFont.setItalic(true);
    lbSlogan1->setFont(sloganFont);
    lbSlogan2->setFont(sloganFont);
    lbSlogan1->setStyleSheet(QStringLiteral("color: rgb(255, 255, 192);"));
    lbSlogan2->setStyleSheet(QStringLiteral("color: rgb(255, 255, 192);"));
    auto* lbVersione = Label(heading, "lbVersione", QStringLiteral("Versione " TQ_VERSION));
    lbVersione->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192);"));

    auto* headingText = new QVBoxLayout;
    headingText->setSpacing(2);
    headingText->addWidget(lbConcorso1);
    headingText->addWidget(lbConcorso2);
    headingText->addSpacing(6);
    headingText->addWidget(lbSlogan1);
    headingText->addWidget(lbSlogan2);
    auto* headingSide = new QVBoxLayout;
    headingSide->addWidget(lbLogo, 0, Qt::AlignRight);
    headingSide->addStretch();
    headingSide->addWidget(lbVersione, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* headingLayout = new QHBoxLayout(heading);
    headingLayout->setContentsMargins(16, 12, 16, 12);
    headingLayout->addLayout(headingText, 1);
    headingLayout->addLayout(headingSide);

    // The time limit: hours ":" minutes, only while the box is checked.
    for (QLineEdit* edit : {txtOre, txtMin}) {
        edit->setMaxLength(5);
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
        edit->setAlignment(Qt::AlignRight);
    }
    auto* timeLayout = new QHBoxLayout(picBack);
    timeLayout->setContentsMargins(0, 0, 0, 0);
    timeLayout->addWidget(txtOre);
    timeLayout->addWidget(Label(picBack, "lbOre", QStringLiteral("Ore")));
    timeLayout->addWidget(Label(picBack, "lbDuePunti", QStringLiteral(":")));
    timeLayout->addWidget(txtMin);
    timeLayout->addWidget(Label(picBack, "lbMinuti", QStringLiteral("Minuti")));
    timeLayout->addStretch();
    auto* timeRow = new QHBoxLayout;
    timeRow->setSpacing(10);
    timeRow->addWidget(ckAbilitaTempo);
    timeRow->addWidget(picBack, 1);
    // The row keeps its height while the time fields are hidden.
    QSizePolicy keep = picBack->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    picBack->setSizePolicy(keep);

    txtNumeroIniziale->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    // The options below keep their place whether or not these are shown.
    for (QWidget* w : {static_cast<QWidget*>(lbHdrNumeroIniziale), static_cast<QWidget*>(txtNumeroIniziale),
                       static_cast<QWidget*>(lbDaRipassare)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    lstElencoFiltri->setMinimumHeight(fontMetrics().height() * 6);
    lstElencoFiltri->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);

    auto* areaRow = new QHBoxLayout;
    areaRow->addWidget(optArea[0]);
    areaRow->addWidget(optArea[1]);
    areaRow->addStretch();

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(10);
    options->setVerticalSpacing(8);
    int row = 0;
    options->addWidget(lbSelezioneArea, row, 0);
    options->addLayout(areaRow, row++, 1);
    options->addWidget(lbArgomenti, row++, 0, 1, 2);
    options->addWidget(lstElencoFiltri, row++, 0, 1, 2);
    options->addWidget(lbDaRipassare, row++, 0, 1, 2);
    options->addWidget(Label13, row, 0);
    options->addWidget(cbNumero, row++, 1);
    options->addWidget(Label12, row, 0);
    options->addWidget(cbOrdine, row++, 1);
    options->addWidget(lbHdrNumeroIniziale, row, 0);
    options->addWidget(txtNumeroIniziale, row++, 1);
    options->addWidget(Label2, row, 0);
    options->addLayout(timeRow, row++, 1);
    options->addWidget(ckDontMixAnswers, row++, 0, 1, 2);
    options->addWidget(ckRecordBad, row++, 0, 1, 2);
    options->addWidget(ckLowerCase, row++, 0, 1, 2);
    options->addWidget(ckRevisione, row++, 0, 1, 2);
    options->addWidget(Label15, row, 0);
    options->addWidget(cbTema, row++, 1);
    options->setColumnStretch(1, 1);

    QFont startFont = cmdInizia->font();
    startFont.setBold(true);
    cmdInizia->setFont(startFont);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* b : {cmdInizia, cmdStampa, cmdCarica, cmdRiprendi, cmdStatistiche, cmdAndamento, cmdStorico}) {
        b->setMinimumHeight(fontMetrics().height() * 2 + 6);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    cmdEsci->setMinimumHeight(fontMetrics().height() * 2 + 6);
    buttons->addWidget(cmdEsci);

    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addLayout(options, 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(heading);
    layout->addLayout(body, 1);

    setTabOrder(lstElencoFiltri, cbNumero);
    setTabOrder(cbNumero, cbOrdine);
    setTabOrder(cbOrdine, txtNumeroIniziale);
    setTabOrder(txtNumeroIniziale, ckAbilitaTempo);
    setTabOrder(ckAbilitaTempo, txtOre);
    setTabOrder(txtOre, txtMin);
    setTabOrder(txtMin, ckDontMixAnswers);
    setTabOrder(ckDontMixAnswers, ckRecordBad);
    setTabOrder(ckRecordBad, ckRevisione);
    setTabOrder(ckRevisione, cbTema);
    setTabOrder(cbTema, cmdInizia);
    setTabOrder(cmdInizia, cmdStampa);
    setTabOrder(cmdStampa, cmdCarica);
    setTabOrder(cmdCarica, cmdRiprendi);
    setTabOrder(cmdRiprendi, cmdStatistiche);
    setTabOrder(cmdStatistiche, cmdAndamento);
    setTabOrder(cmdAndamento, cmdStorico);
    setTabOrder(cmdStorico, cmdEsci);
}
