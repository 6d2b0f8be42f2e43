#pragma once

#include "setup/ExamScores.h"
#include "setup/ProgressData.h"

#include "windows/IModalProcess.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QBarCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QValueAxis;

// "Andamento della preparazione": answers and right answers per day over the
// last 30 days, the exam as if it were today, and per topic what is still
// unseen or to review and the mean chance of a right answer. It reads the
// bank, its statistics file and its log once, and writes none of them.
class frmAndamento : public QDialog, public IModalProcess {
    Q_OBJECT

public:
    explicit frmAndamento(QWidget* parent = nullptr);
    ~frmAndamento() override;

    // Opens the window on the start screen's topic and returns when it closes.
    static void ShowModal(QWidget* parent = nullptr);

    // Reading the files runs inside the progress window.
    std::string WindowText() const override { return "Analisi in corso..."; }
    void Execute() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QChartView* BuildChart();
    void FillTopicCombo();
    void Analyse();
    void TopicChanged(int row);
    void ShowView();
    void ShowChart(const ProgressView& view);
    void ShowExams(const ProgressView& view);
    void ShowTable(const ProgressView& view);
    void SalvaImmagine();

    bool m_firstActivation = true;
    int32_t m_topic = 0;
    ProgressData m_data;
    std::vector<ExamPoint> m_exams;  // the exam simulations on the days shown

    QLabel* lbArgomento = nullptr;
    QComboBox* cbArgomenti = nullptr;
    QLabel* lbRiepilogo = nullptr;
    QLabel* lbPrevisione = nullptr;  // "Se l'esame fosse oggi"
    QChartView* picGrafico = nullptr;
    QChart* m_chart = nullptr;
    QBarCategoryAxis* m_axisGiorni = nullptr;
    QValueAxis* m_axisRisposte = nullptr;
    QValueAxis* m_axisEsatte = nullptr;
    QValueAxis* m_axisTrentesimi = nullptr;
    QTableView* lvArgomenti = nullptr;
    QStandardItemModel* m_table = nullptr;
    QPushButton* cmdSalvaImmagine = nullptr;
    QPushButton* cmdChiudi = nullptr;
};
