#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;
class cQuesito;

// The outcome of one answer: a red or green band with two lines, closed by
// OK or Esc. Placed over the quiz window that opened it.
class frmMessage : public QDialog {
    Q_OBJECT

public:
    // mainForm: the quiz window, for placement.
    explicit frmMessage(QWidget* mainForm);

    // Answer numbers from 1 (A).
    void SetResult(int32_t given, int32_t correct);
    // A button "Spiegazione" beside OK opens the question's explanation.
    void OfferExplanation(std::shared_ptr<cQuesito> question);

signals:
    // Once, when the window has first been drawn.
    void FirstPainted();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_mainForm = nullptr;
    bool m_painted = false;
    QWidget* picBand = nullptr;
    QLabel* lbRiga1 = nullptr;
    QLabel* lbRiga2 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSpiegazione = nullptr;
    std::shared_ptr<cQuesito> m_question;
};
