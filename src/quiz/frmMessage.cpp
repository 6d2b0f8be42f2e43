#include "quiz/frmMessage.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

#include "quiz/frmBrano.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

int T(int twips) { return Twips::ToPixels(twips); }

QFont Tahoma(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

frmMessage::frmMessage(QWidget* mainForm) : QDialog(mainForm), m_mainForm(mainForm)
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(QStringLiteral("Esito risposta"));
    setModal(true);

    picBand = Controls::Named(new QWidget(this), "picBand");
    picBand->setAutoFillBackground(true);
    lbRiga1 = Controls::Label(picBand, "lbRiga1");
    lbRiga1->setFont(Tahoma(14, true));
    lbRiga2 = Controls::Label(picBand, "lbRiga2");
    lbRiga2->setFont(Tahoma(11, false));
    for (QLabel* line : {lbRiga1, lbRiga2}) {
        line->setAlignment(Qt::AlignCenter);
        QPalette p = line->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        line->setPalette(p);
    }
    auto* band = new QVBoxLayout(picBand);
    band->setContentsMargins(T(240), T(150), T(240), T(150));
    band->setSpacing(T(60));
    band->addWidget(lbRiga1);
    band->addWidget(lbRiga2);

    cmdOK = Controls::Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(T(1200));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdSpiegazione = Controls::Named(new QPushButton(QStringLiteral("Spiegazione"), this), "cmdSpiegazione");
    cmdSpiegazione->setAutoDefault(false);
    cmdSpiegazione->setMinimumWidth(T(1200));
    cmdSpiegazione->hide();
    connect(cmdSpiegazione, &QPushButton::clicked, this, [this] {
        frmBrano viewer(m_question, this, frmBrano::Content::Explanation);
        viewer.exec();
    });
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(T(120));
    buttons->addStretch();
    buttons->addWidget(cmdSpiegazione);
    buttons->addWidget(cmdOK);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(T(120), T(120), T(120), T(120));
    layout->setSpacing(T(120));
    layout->addWidget(picBand, 1);
    layout->addLayout(buttons);
    setFixedSize(T(5400), T(2100));
}

void frmMessage::SetResult(int32_t given, int32_t correct)
{
    QPalette p = picBand->palette();
    if (given != correct) {
        p.setColor(QPalette::Window, QColor(255, 32, 32));
        lbRiga1->setText(QStringLiteral("Risposta errata!"));
        lbRiga2->setText(QStringLiteral("La risposta corretta è la '%1'").arg(QChar(u'A' + correct - 1)));
    } else {
        p.setColor(QPalette::Window, QColor(192, 255, 192));
        lbRiga1->setText(QStringLiteral("Risposta esatta!"));
        lbRiga2->clear();
    }
    picBand->setPalette(p);
    // Empty, the second line still takes its place: the window keeps one look.
    lbRiga2->setMinimumHeight(lbRiga2->fontMetrics().height());
    setAccessibleDescription(lbRiga1->text() + QLatin1Char(' ') + lbRiga2->text());
}

void frmMessage::OfferExplanation(std::shared_ptr<cQuesito> question)
{
    m_question = std::move(question);
    cmdSpiegazione->setVisible(m_question != nullptr);
}

void frmMessage::showEvent(QShowEvent* event)
{
    if (m_mainForm) move(m_mainForm->pos() + QPoint(T(100), T(3200)));
    QDialog::showEvent(event);
}

void frmMessage::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        emit FirstPainted();
    }
}
