// The progress window offscreen: what reaches the chart and the table, the
// topic combo, saving the chart, closing.
#include "setup/frmAndamento.h"

#include "ui/Prompts.h"
#include "ui/QtText.h"

#include "StatsTestSupport.h"
#include "support/ScriptedPrompts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace statstest;

namespace {

class FrmAndamentoTest : public StatsTest {
protected:
    void TearDown() override
    {
        window.reset();
        StatsTest::TearDown();
    }

    // The window on the start screen's topic, once its files are read.
    void Open(int32_t topic)
    {
        ModGlobal::TopicFilter = topic;
        window = std::make_unique<frmAndamento>();
        window->show();
        table = Child<QTableView>("lvArgomenti");
        ASSERT_TRUE(QTest::qWaitFor([this] { return table->model()->rowCount() > 0; }, 5000));
    }

    template <typename T>
    T* Child(const char* name) const
    {
        T* child = window->findChild<T*>(name);
        EXPECT_TRUE(child) << name;
        return child;
    }

    QString Cell(int row, int column) const { return table->model()->index(row, column).data().toString(); }
    QString Summary() const { return Child<QLabel>("lbRiepilogo")->text(); }
    void Click(const char* button) { QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton); }

    ScriptedPrompts prompts;
    std::unique_ptr<frmAndamento> window;
    QTableView* table = nullptr;
};

TEST_F(FrmAndamentoTest, ChartAndTableShowTheStartTopicThenFollowTheCombo)
{
    WriteProgressFiles();
    Open(3);
    auto* combo = Child<QComboBox>("cbArgomenti");
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(Summary(), "Ultimi 7 giorni: 2 risposte, 50% esatte - Giorni di pratica: 2");
    ASSERT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(Cell(0, 0), "Logica e cultura generale");
    EXPECT_EQ(Cell(1, 0), "Totale");
    EXPECT_EQ(Cell(1, 2), "2");
    EXPECT_TRUE(table->model()->index(1, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);

    // A bar for each of the 30 days; the line has points only where there were answers.
    QChart* chart = Child<QChartView>("picGrafico")->chart();
    QBarSet* bars = nullptr;
    QList<QPointF> points;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* barSeries = qobject_cast<QBarSeries*>(series)) bars = barSeries->barSets().value(0);
        if (auto* line = qobject_cast<QLineSeries*>(series)) points += line->points();
    }
    ASSERT_TRUE(bars);
    ASSERT_EQ(bars->count(), 30);
    EXPECT_EQ(bars->at(19), 1);
    EXPECT_EQ(bars->at(23), 2);
    EXPECT_EQ(points, QList<QPointF>({{19, 0}, {23, 50}}));
    auto* days = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(days);
    EXPECT_EQ(days->categories().front(), "sab 10/2");
    EXPECT_EQ(days->categories().back(), "dom 10/3");

    combo->setCurrentIndex(0);
    EXPECT_EQ(Summary(), "Ultimi 7 giorni: 5 risposte, 60% esatte - Giorni di pratica: 6");
    EXPECT_EQ(table->model()->rowCount(), 4);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FrmAndamentoTest, SavesTheChartAsPngAndClosesWithEscOrChiudi)
{
    Open(0);  // no log, no statistics file: zeros and no message
    EXPECT_EQ(Cell(3, 3), "0");

    const fs::path image = folder / "andamento";  // the name as typed, without a suffix
    prompts.paths = {QtText::FromPath(image), QtText::FromPath(folder)};
    Click("cmdSalvaImmagine");
    ASSERT_EQ(prompts.files.size(), 1u);
    EXPECT_EQ(prompts.files[0].mode, FileDialogMode::Save);
    EXPECT_EQ(prompts.files[0].filter, "Immagine PNG (*.png)");
    EXPECT_FALSE(QImage(QtText::FromPath(image), "PNG").isNull());
    EXPECT_TRUE(prompts.messages.empty());

    Click("cmdSalvaImmagine");  // a folder in the way
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("Errore durante il salvataggio dell'immagine: "));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    window->show();
    Click("cmdChiudi");
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
