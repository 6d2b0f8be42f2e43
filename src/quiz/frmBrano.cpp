#include "quiz/frmBrano.h"

#include "bank/cQuesito.h"

#include "ui/Controls.h"
#include "ui/QtText.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

int T(int twips) { return Twips::ToPixels(twips); }

}  // namespace

frmBrano::frmBrano(std::shared_ptr<cQuesito> question, QWidget* parent, Content content)
    : QDialog(parent), m_question(std::move(question))
{
    setObjectName(QStringLiteral("frmBrano"));
    setWindowTitle(QStringLiteral("Brano / Spiegazione"));
    setModal(true);

    txtTesto = Controls::Named(new QPlainTextEdit(this), "txtTesto");
    txtTesto->setReadOnly(true);
    txtTesto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTesto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);
    txtTesto->setFont(font);
    txtTesto->setGeometry(T(60), T(90), T(8595), T(4695));

    cmdChiudi = Controls::Named(new QPushButton(QStringLiteral("Chiudi"), this), "cmdChiudi");
    cmdChiudi->setDefault(true);
    const int buttonWidth = T(1215);
    const int buttonHeight = T(375);
    cmdChiudi->setGeometry(T(60) + T(8595) - buttonWidth, T(90) + T(4695) + T(120), buttonWidth, buttonHeight);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(T(60) + T(8595) + T(60), cmdChiudi->geometry().bottom() + 1 + T(120));

    if (m_question) {
        if (!m_question->Hint.empty()) {
            m_text = QtText::FromCp1252(m_question->VisualHint());
            if (content == Content::All) m_text += QStringLiteral("\r\n\r\n");
            setWindowTitle(QStringLiteral("Spiegazione"));
        }
        if (!m_question->Brano.empty() && content == Content::All) {
            m_text += QtText::FromCp1252(m_question->VisualBrano());
            setWindowTitle(QStringLiteral("Brano"));
        }
    }
    QString shown = m_text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtTesto->setPlainText(shown);
    txtTesto->setAccessibleName(windowTitle());
    cmdChiudi->setFocus();
}
