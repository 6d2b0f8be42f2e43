#pragma once

#include "setup/StatisticsRows.h"

#include "windows/IModalProcess.h"

#include <QDialog>

#include <cstdint>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class StatisticsModel;

// Per-question statistics of the bank or of one topic, in a list sortable by
// any column, with the two resets. It reads its own copy of the bank and its
// own handle on the statistics file; the test's globals are left alone.
class frmStatistiche : public QDialog, public IModalProcess {
    Q_OBJECT

public:
    explicit frmStatistiche(QWidget* parent = nullptr);
    ~frmStatistiche() override;

    // Opens the window on the start screen's topic and returns when it closes.
    static void ShowModal(QWidget* parent = nullptr);

    // Loading runs inside the progress window.
    std::string WindowText() const override { return "Analisi in corso..."; }
    void Execute() override { LoadStatistics(); }


protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void BuildControls();
    void FillTopicCombo();
    void FitTopicColumn();
    void LoadStatistics();
    void Reload();
    void TopicChanged(int row);
    void Azzera();
    void AzzeraRispErrate();

    bool m_firstActivation = true;
    int32_t m_statsTopic = 0;
    int m_topicWidth = 0;  // pixels: the longest topic name
    std::unique_ptr<StatisticsData> m_data;
    StatisticsModel* m_model = nullptr;

    QLabel* Label2 = nullptr;
    QComboBox* cbArgomenti = nullptr;
    QLabel* Label1 = nullptr;
    QTableView* lvDomande = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdAzzera = nullptr;
    QPushButton* cmdAzzeraRispErrate = nullptr;
    QPushButton* cmdChiudi = nullptr;
};
