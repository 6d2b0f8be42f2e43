#pragma once

#include "setup/HistoryFile.h"
#include "setup/TestRequest.h"

#include <QDialog>

#include <optional>

class HistoryTableModel;
class QPushButton;
class QTableView;

// "Storico dei test": every finished test of the bank, newest first; its
// review again, exactly as it was, or a new test of its wrong and blank
// questions.
class frmStorico : public QDialog {
    Q_OBJECT

public:
    explicit frmStorico(QWidget* parent = nullptr);

    // Opens the window and returns when it closes: the test "Ripeti le errate"
    // asks for, if the user chose one.
    static std::optional<TestRequest> ShowModal(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenReview();
    void RepeatWrong();
    void UpdateButtons();

    bool m_firstActivation = true;
    int32_t m_damaged = 0;
    std::optional<TestRequest> m_repeat;
    HistoryTableModel* m_model = nullptr;
    QTableView* lvStorico = nullptr;
    QPushButton* cmdRevisione = nullptr;
    QPushButton* cmdRipeti = nullptr;
    QPushButton* cmdChiudi = nullptr;
};
