#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTextBrowser;
class ReviewTableModel;
class cQuesiti;
struct HistoryEntry;
class cQuesito;

// "Revisione del test": every question of a finished test with the answer
// given and the right one; below, the selected question in full with its
// explanation and passage. Shown after the score when the user wants it.
class frmRevisione : public QDialog {
    Q_OBJECT

public:
    // `result`: the test as it ended, whose score heads the window.
    frmRevisione(const cQuesiti& test, const HistoryEntry& result, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSelected();
    void OpenImage();

    ReviewTableModel* m_model = nullptr;
    QSortFilterProxyModel* m_filter = nullptr;
    std::shared_ptr<cQuesito> m_shown;
    QLabel* lbRisultato = nullptr;
    QTableView* lvRevisione = nullptr;
    QTextBrowser* txtDettaglio = nullptr;
    QCheckBox* ckSoloErrate = nullptr;
    QPushButton* cmdImmagine = nullptr;
    QPushButton* cmdChiudi = nullptr;
};
