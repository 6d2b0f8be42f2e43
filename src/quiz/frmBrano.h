#pragma once

#include <QDialog>

#include <memory>

class QPlainTextEdit;
class QPushButton;
class cQuesito;

// The reading passage and the explanation of a question, read-only.
class frmBrano : public QDialog {
    Q_OBJECT

public:
    // The explanation and the passage, or (after a wrong answer) the explanation alone.
    enum class Content { All, Explanation };

    frmBrano(std::shared_ptr<cQuesito> question, QWidget* parent = nullptr, Content content = Content::All);

    // The text as composed: explanation, a blank line, then the passage (CR LF breaks).
    const QString& Text() const { return m_text; }

private:
    std::shared_ptr<cQuesito> m_question;
    QString m_text;
    QPlainTextEdit* txtTesto = nullptr;
    QPushButton* cmdChiudi = nullptr;
};
