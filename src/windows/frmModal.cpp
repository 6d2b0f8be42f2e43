#include "windows/frmModal.h"

#include "ui/cMousePointer.h"

#include "ui/Controls.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmModal::frmModal(IModalProcess& process, QWidget* parent) : QDialog(parent), m_process(process)
{
    setObjectName("frmModal");
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    const std::string caption = m_process.WindowCaption();
    const std::string text = m_process.WindowText();
    setWindowTitle(caption.empty() ? QStringLiteral("Attendere prego.") : QtText::FromUtf8(caption));

    lbText = Controls::Label(this, "lbText",
                             text.empty() ? QStringLiteral("Elaborazione in corso...") : QtText::FromUtf8(text));
    lbText->setAlignment(Qt::AlignCenter);
    lbText->setWordWrap(true);
    cmdAnnulla = Controls::Named(new QPushButton(QStringLiteral("Annulla"), this), "cmdAnnulla");
    cmdChiudi = Controls::Named(new QPushButton(QStringLiteral("Chiudi"), this), "cmdChiudi");
    cmdChiudi->setVisible(false);
    cmdChiudi->setEnabled(false);
    cmdAnnulla->setVisible(m_process.AbortAllowed());
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] {
        try {
            m_process.Abort();
        } catch (...) {
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAnnulla);
    buttons->addWidget(cmdChiudi);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(14);
    layout->addWidget(lbText);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    if (!m_process.AbortAllowed()) {
        m_pointer = std::make_unique<cMousePointer>();
        m_pointer->SetWait();
    }
}

frmModal::~frmModal() = default;

void frmModal::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_firstActivation) return;
    m_firstActivation = false;
    // After the window is on screen, so its first paint is not held up.
    QTimer::singleShot(0, this, &frmModal::FirstActivation);
}

void frmModal::FirstActivation()
{
    const bool abortAllowed = m_process.AbortAllowed();
    cmdAnnulla->setVisible(abortAllowed);
    cmdAnnulla->setEnabled(abortAllowed);
    repaint();
    QCoreApplication::processEvents();
    try {
        m_process.Execute();
    } catch (...) {
        m_error = std::current_exception();
    }
    m_finished = true;
    m_pointer.reset();
    accept();
}

void frmModal::closeEvent(QCloseEvent* event)
{
    // Only the operation's end closes the window.
    if (m_finished)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void frmModal::reject()
{
    if (m_finished) QDialog::reject();
}

void RunModal(IModalProcess& process, QWidget* parent)
{
    std::exception_ptr error;
    {
        frmModal window(process, parent);
        window.exec();
        error = window.Error();
    }
    if (error) std::rethrow_exception(error);
}
