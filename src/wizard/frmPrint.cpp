#include "wizard/frmPrint.h"

#include "ui/Controls.h"
#include "ui/QtText.h"

#include "wizard/DesktopOpener.h"
#include "print/DocumentsFolder.h"
#include "wizard/IStep.h"
#include "wizard/ModPrint.h"
#include "wizard/ucsConferma.h"
#include "wizard/ucsElab.h"
#include "wizard/ucsFine.h"
#include "wizard/ucsFormato.h"
#include "wizard/ucsIntro.h"
#include "wizard/ucsOpzioni1.h"
#include "wizard/ucsStartup.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedLayout>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The logo: a printed sheet with its answers ticked off.
QPixmap LogoPicture()
{
    QPixmap picture(40, 48);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 70, 120), 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(28, 2), QPointF(36, 10), QPointF(36, 46), QPointF(4, 46)}));
    p.drawLine(QPointF(28, 2), QPointF(28, 10));
    p.drawLine(QPointF(28, 10), QPointF(36, 10));
    for (int row = 0; row < 4; ++row) {
        const qreal y = 17 + row * 7.5;
        p.setPen(QPen(QColor(40, 150, 70), 1.6));
        p.drawLine(QPointF(8, y), QPointF(10, y + 2));
        p.drawLine(QPointF(10, y + 2), QPointF(13, y - 2));
        p.setPen(QPen(QColor(150, 160, 175), 1.4));
        p.drawLine(QPointF(16, y), QPointF(32, y));
    }
    return picture;
}

QFrame* Line(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

frmPrint::frmPrint(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmPrint");
    setModal(true);
    setWindowTitle(QStringLiteral("Stampa quesiti"));
    BuildControls();

    // The program's own opener and documents folder, unless a test has put its own in.
    if (!word::DocumentOpener::Default()) word::DocumentOpener::SetDefault(std::make_shared<DesktopOpener>());
    if (DocumentsFolder::Get().empty())
        DocumentsFolder::Set(QtText::ToPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));

    ModPrint::RegisterWizard(this);
    ModPrint::PrintOptions = {};
    ModPrint::SavedDocument.clear();
    AddStep(new ucsStartup(picContainer));
    AddStep(new ucsIntro(picContainer));
    AddStep(new ucsFormato(picContainer));
    AddStep(new ucsOpzioni1(picContainer));
    AddStep(new ucsConferma(picContainer));
    AddStep(new ucsElab(picContainer));
    AddStep(new ucsFine(picContainer));
    ShowStep(1);
}

frmPrint::~frmPrint() { ModPrint::UnregisterWizard(this); }

void frmPrint::ShowModal(QWidget* parent)
{
    frmPrint window(parent);
    window.exec();
}

template <typename Page>
void frmPrint::AddStep(Page* page)
{
    page->hide();
    m_stack->addWidget(page);
    m_steps.push_back({page, page, false});
}

void frmPrint::BuildControls()
{
    auto* banner = Controls::Named(new QWidget(this), "picBanner");
    banner->setAutoFillBackground(true);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    banner->setPalette(palette);

    lbHeader = Controls::Label(banner, "lbHeader");
    QFont headerFont = lbHeader->font();
    headerFont.setBold(true);
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.25);
    lbHeader->setFont(headerFont);
    lbDesc = Controls::Label(banner, "lbDesc");
    lbDesc->setWordWrap(true);

    auto* picLogo = Controls::Named(new QLabel(banner), "picLogo", QStringLiteral("Logo di Paginatrice"));
    picLogo->setPixmap(LogoPicture());
    lbLogo = Controls::Label(banner, "lbLogo", QStringLiteral("Paginatrice"));
    QFont logoFont = lbLogo->font();
    logoFont.setBold(true);
    logoFont.setItalic(true);
    logoFont.setPointSizeF(logoFont.pointSizeF() * 1.5);
    lbLogo->setFont(logoFont);
    QPalette logoPalette = lbLogo->palette();
    logoPalette.setColor(QPalette::WindowText, QColor(40, 70, 120));
    lbLogo->setPalette(logoPalette);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(lbHeader);
    titles->addWidget(lbDesc);
    auto* bannerLayout = new QHBoxLayout(banner);
    bannerLayout->setContentsMargins(16, 10, 12, 10);
    bannerLayout->addLayout(titles, 1);
    bannerLayout->addSpacing(12);
    bannerLayout->addWidget(picLogo, 0, Qt::AlignVCenter);
    bannerLayout->addWidget(lbLogo, 0, Qt::AlignVCenter);

    picContainer = Controls::Named(new QWidget(this), "picContainer");
    m_stack = new QStackedLayout(picContainer);
    m_stack->setContentsMargins(0, 0, 0, 0);

    cmdWalk[0] = Controls::Named(new QPushButton(QStringLiteral("<  &Indietro"), this), "cmdWalk0");
    cmdWalk[1] = Controls::Named(new QPushButton(QStringLiteral("&Avanti  >"), this), "cmdWalk1");
    cmdEsci = Controls::Named(new QPushButton(QStringLiteral("Esci"), this), "cmdEsci");
    for (QPushButton* button : {cmdWalk[0], cmdWalk[1], cmdEsci}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(button->sizeHint().width() + 24);
    }
    // Enter means Next, as in any wizard.
    cmdWalk[1]->setDefault(true);
    // "&Fine" comes in place of "&Avanti  >": the button must not jump in size.
    cmdWalk[1]->setMinimumWidth(std::max(cmdWalk[1]->minimumWidth(), cmdWalk[0]->minimumWidth()));
    connect(cmdWalk[0], &QPushButton::clicked, this, &frmPrint::GoBack);
    connect(cmdWalk[1], &QPushButton::clicked, this, &frmPrint::GoForward);
    connect(cmdEsci, &QPushButton::clicked, this, &frmPrint::CloseWizard);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addWidget(cmdEsci);
    buttons->addStretch(1);
    buttons->addWidget(cmdWalk[0]);
    buttons->addWidget(cmdWalk[1]);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addWidget(Line(this));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 16, 24, 16);
    body->addWidget(picContainer, 1);
    layout->addLayout(body, 1);
    layout->addWidget(Line(this));
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setMinimumSize(560, 420);
}

IStep* frmPrint::CurrentInterface() const
{
    if (m_currentStep < 1 || m_currentStep > StepCount()) return nullptr;
    return m_steps[static_cast<size_t>(m_currentStep - 1)].step;
}

void frmPrint::ShowStep(int n)
{
    if (n < 1 || n > StepCount()) return;
    for (const Step& s : m_steps) s.page->hide();
    Step& step = m_steps[static_cast<size_t>(n - 1)];
    m_stack->setCurrentWidget(step.page);
    step.page->show();

    lbHeader->setText(step.step->AHeader());
    lbDesc->setText(step.step->ADescription());
    m_currentStep = n;
    UpdateButtons();
    // After UpdateButtons: what the page does with the buttons wins.
    if (!step.initialized) {
        step.step->Initialize();
        step.initialized = true;
    }
    step.step->Enter();
}

void frmPrint::UpdateButtons()
{
    const bool last = m_currentStep == StepCount();
    IStep* step = CurrentInterface();
    cmdWalk[0]->setEnabled(step && !step->ForwardOnly() && m_currentStep >= 2);
    cmdWalk[1]->setEnabled(true);
    cmdEsci->setEnabled(!last);
    cmdWalk[1]->setText(last ? QStringLiteral("&Fine") : QStringLiteral("&Avanti  >"));
}

void frmPrint::EnableButtons(bool back, bool next, bool exit)
{
    cmdWalk[0]->setEnabled(back);
    cmdWalk[1]->setEnabled(next);
    cmdEsci->setEnabled(exit);
}

void frmPrint::GoForward()
{
    IStep* step = CurrentInterface();
    if (!step || !step->Validate()) return;
    if (m_currentStep < StepCount())
        ShowStep(m_currentStep + 1);
    else
        CloseWizard();
}

void frmPrint::GoBack()
{
    if (m_currentStep >= 2) ShowStep(m_currentStep - 1);
}

void frmPrint::CloseWizard()
{
    m_exitRequested = true;
    done(QDialog::Accepted);
}

void frmPrint::reject()
{
    if (m_exitRequested || cmdEsci->isEnabled()) CloseWizard();
}
