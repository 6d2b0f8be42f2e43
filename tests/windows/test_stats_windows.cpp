// The statistics and progress windows offscreen: what each control starts and shows.
#include "setup/Clock.h"
#include "setup/HistoryFile.h"
#include "windows/frmAndamento.h"
#include "windows/frmStatistiche.h"
#include "ui/ModGlobal.h"

#include "ui/QtText.h"

#include "support/WindowTest.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableView>
#include <QTest>

using namespace support;

namespace {

class StatsWindowsTest : public WindowTest {
protected:
    // The window on the start screen's topic, once its list is loaded.
    template <typename W>
    W* Open(int32_t topic, const char* list)
    {
        ModGlobal::Shared().TopicFilter = topic;
        auto* window = new W;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        table = Child<QTableView>(window, list);
        EXPECT_TRUE(QTest::qWaitFor([this] { return table->model()->rowCount() > 0; }, 5000));
        return window;
    }

    QString Cell(int row, int column) const { return table->model()->index(row, column).data().toString().trimmed(); }

    QTableView* table = nullptr;
};

TEST_F(StatsWindowsTest, StatisticsFollowTheComboTheHeadersAndTheResets)
{
    WriteStats({{5, Record(2, 0, 2, 2)}, {7, Record(4, 1, 3, 2)}, {8, Record(100, 50, 50, 0)}});
    const auto document = ModGlobal::Shared().Document = std::make_shared<cDocumento>();
    auto* window = Open<frmStatistiche>(2, "lvDomande");
    EXPECT_EQ(window->windowTitle(), "Statistiche dell'argomento:  Diritto amministrativo");
    EXPECT_EQ(Child<QComboBox>(window, "cbArgomenti")->currentIndex(), 2);
    // Every title keeps room for its sort arrow; the question text has the most.
    QHeaderView* header = table->horizontalHeader();
    for (int c = 0; c < 7; ++c) EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c)) << c;
    EXPECT_GE(header->sectionSize(2), 2 * header->sectionSize(1));

    const QPoint views(header->sectionViewportPosition(3) + header->sectionSize(3) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, views);  // most viewed first
    EXPECT_EQ(Cell(0, 0), "104");

    prompts.answers = {PromptAnswer::Yes};
    Click(window, "cmdAzzeraRispErrate");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Attenzione!");
    EXPECT_EQ(prompts.messages[0].text, "Vuoi davvero azzerare l'elenco delle domande a cui hai risposto in maniera "
                                        "errata di Diritto amministrativo?");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompts.messages[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompts.messages[0].defaultButton, PromptAnswer::No);
    EXPECT_EQ(Stat(7).bnUltimoEsito, 1);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(Cell(r, 6), "") << r;

    Child<QComboBox>(window, "cbArgomenti")->setCurrentIndex(0);
    EXPECT_EQ(window->windowTitle(), "Statistiche di tutti gli argomenti");
    EXPECT_EQ(table->model()->rowCount(), 11);
    Click(window, "cmdAzzera");  // no answer queued: "No"
    EXPECT_EQ(prompts.messages.back().text, "Vuoi davvero azzerare tutte le statistiche di TUTTI GLI ARGOMENTI?");
    EXPECT_EQ(Stat(8).nVisualizzate, 100);
    prompts.answers = {PromptAnswer::Yes};
    Click(window, "cmdAzzera");
    EXPECT_EQ(Stat(8).nVisualizzate, 0);
    EXPECT_EQ(Cell(0, 3), "0");

    // The window keeps its own bank and statistics file.
    EXPECT_EQ(ModGlobal::Shared().Document, document);
    EXPECT_FALSE(ModGlobal::Shared().RecordStore);
    Click(window, "cmdChiudi");
    EXPECT_TRUE(Windows<frmStatistiche>().empty());
    // A topic the bank lacks: the combo offers it not, the list has every topic.
    EXPECT_EQ(Open<frmStatistiche>(9, "lvDomande")->windowTitle(), "Statistiche di tutti gli argomenti");
}

TEST_F(StatsWindowsTest, ProgressShowsTheChosenTopicSavesTheChartAndCloses)
{
    fs::copy_file(Fixtures::Source("progress/log-and-statistics/rcv14.log"), LogPath());
    Clock::SetFixedNowText("10/03/2024 21:00:00");
    // An exam simulation two days ago (30/30) and one before the days shown.
    HistoryEntry exam;
    exam.Request.OrderMode = OrderEsame;
    exam.Items = {{1, {1, 2, 3, 4, 5}, 2, 2, false, false}};
    for (const char* ended : {"08/03/2024 10:00:00", "01/01/2024 10:00:00"}) {
        exam.Started = exam.Ended = ended;
        ASSERT_TRUE(HistoryFile::Append(ProgramDir() / "rcv14.storico", exam));
    }
    auto* window = Open<frmAndamento>(3, "lvArgomenti");
    auto* summary = Child<QLabel>(window, "lbRiepilogo");
    EXPECT_EQ(Child<QComboBox>(window, "cbArgomenti")->currentIndex(), 3);
    EXPECT_EQ(summary->text(), "Ultimi 7 giorni: 2 risposte, 50% esatte - Giorni di pratica: 2");
    // The exam of the start screen's composition, whatever the topic (figures of tests/fixtures/progress).
    EXPECT_EQ(Child<QLabel>(window, "lbPrevisione")->text(),
              "Se l'esame fosse oggi: 14,3/30 in media - probabilità di superarlo: 9%");
    ASSERT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(Cell(1, 0), "Totale");
    EXPECT_EQ(table->model()->headerData(5, Qt::Horizontal).toString(), "Probabilità media di risposta esatta");
    EXPECT_EQ(Cell(0, 5), "58%");

    // A bar for each of the 30 days; the line has points only where there were answers.
    QChart* chart = Child<QChartView>(window, "picGrafico")->chart();
    QBarSet* bars = nullptr;
    QList<QPointF> points, exams, passMark;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* barSeries = qobject_cast<QBarSeries*>(series)) bars = barSeries->barSets().value(0);
        if (auto* line = qobject_cast<QLineSeries*>(series))
            (line->name() == "minimo 21/30" ? passMark : points) += line->points();
        if (auto* scatter = qobject_cast<QScatterSeries*>(series)) exams += scatter->points();
    }
    EXPECT_EQ(exams, QList<QPointF>({{27, 30}})) << "the exams' scores in thirtieths";
    EXPECT_EQ(passMark, QList<QPointF>({{-0.5, 21}, {29.5, 21}}));
    ASSERT_TRUE(bars);
    ASSERT_EQ(bars->count(), 30);
    EXPECT_EQ(bars->at(23), 2);
    EXPECT_EQ(points, QList<QPointF>({{19, 0}, {23, 50}}));

    Child<QComboBox>(window, "cbArgomenti")->setCurrentIndex(0);
    EXPECT_EQ(summary->text(), "Ultimi 7 giorni: 5 risposte, 60% esatte - Giorni di pratica: 7");
    EXPECT_EQ(table->model()->rowCount(), 4);

    // The name typed without its extension gets ".png"; today's name is offered.
    fs::create_directories(root / "cartella.png");
    prompts.paths = {QtText::FromPath(root / "andamento"), QtText::FromPath(root / "cartella.png")};
    Click(window, "cmdSalvaImmagine");
    ASSERT_EQ(prompts.files.size(), 1u);
    EXPECT_EQ(prompts.files[0].mode, FileDialogMode::Save);
    EXPECT_EQ(prompts.files[0].filter, "Immagine PNG (*.png)");
    EXPECT_EQ(QFileInfo(prompts.files[0].suggested).fileName(), "andamento-2024-03-10.png");
    EXPECT_FALSE(QImage(QtText::FromPath(root / "andamento.png"), "PNG").isNull());
    EXPECT_TRUE(prompts.messages.empty());
    Click(window, "cmdSalvaImmagine");  // a folder in the way
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("Errore durante il salvataggio dell'immagine: "));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(Windows<frmAndamento>().empty());
    Click(Open<frmAndamento>(0, "lvArgomenti"), "cmdChiudi");
    EXPECT_TRUE(Windows<frmAndamento>().empty());
}

}  // namespace
