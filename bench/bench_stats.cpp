// The statistics window on synthetic banks of 1,000, 10,000 and 100,000 questions:
// the rows built from the bank and its statistics file, the window usable (loaded
// and painted once), and sorting and scrolling its list.
#include "bank/cRecordBase.h"
#include "bank/ProgramFolder.h"

#include "windows/frmStatistiche.h"
#include "setup/StatisticsRows.h"
#include "ui/ModGlobal.h"

#include "BankGenerator.h"
#include "BenchScratch.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path& Folder() { return BenchScratch(); }

// The bank of n questions and a statistics file where every question was seen
// a few times and about one in four is marked wrong. Made once per size.
std::string Bank(int64_t n)
{
    static std::map<int64_t, std::string> names;
    std::string& name = names[n];
    if (name.empty()) {
        name = "bank" + std::to_string(n) + ".dat";
        if (!BankGenerator::WriteFile(Folder() / name, {static_cast<int32_t>(n), 3, 42}))
            throw std::runtime_error("cannot write bank");
        cRecordBase store;
        if (!store.CreateNew(Folder() / (name + ".rec"))) throw std::runtime_error("cannot write statistics");
        std::mt19937 rng(7);
        for (int32_t codice = 1; codice <= n; ++codice) {
            cRecordSpec rec;
            rec.nVisualizzate = static_cast<int32_t>(rng() % 40);
            rec.nSbagliate = static_cast<int32_t>(rng() % (rec.nVisualizzate + 1));
            rec.nEsatte = rec.nVisualizzate - rec.nSbagliate;
            rec.bnUltimoEsito = rng() % 4 == 0 ? 2 : 0;
            store.WriteRecord(codice, rec);
        }
    }
    return name;
}

void UseBank(int64_t n)
{
    ProgramFolder::Set(Folder());
    ModGlobal::Shared().CurrentDataFile = Bank(n);
    ModGlobal::Shared().TopicFilter = 0;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Bank and statistics file read, rows made (cells as shown): the part without a display.
void BM_StatisticsRows(benchmark::State& state)
{
    UseBank(state.range(0));
    for (auto _ : state) {
        StatisticsData data;
        const BankFiles files = ModGlobal::Shared().CurrentFiles();
        data.Load(files.data, files.record, 0);
        benchmark::DoNotOptimize(data.Rows().size());
    }
}
BENCHMARK(BM_StatisticsRows)->Apply(Sizes);

// A window opened, run through its progress window, filled and painted.
std::unique_ptr<frmStatistiche> OpenWindow()
{
    auto window = std::make_unique<frmStatistiche>();
    window->show();
    while (window->windowTitle() == QLatin1String("Statistiche")) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->repaint();
    return window;
}

void BM_StatisticsWindowUsable(benchmark::State& state)
{
    UseBank(state.range(0));
    for (auto _ : state) {
        auto window = OpenWindow();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatisticsWindowUsable)->Apply(Sizes);

// What a click on a column header does: the indicator moves, the rows are
// sorted and the list is painted again.
void ClickColumn(QTableView* view, int column, Qt::SortOrder order)
{
    view->horizontalHeader()->setSortIndicator(column, order);
    view->viewport()->repaint();
}

// The first click on a column (text or number), in a freshly opened window.
void BM_StatisticsSortFirstClick(benchmark::State& state)
{
    UseBank(state.range(0));
    const int column = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = OpenWindow();
        auto* view = window->findChild<QTableView*>("lvDomande");
        state.ResumeTiming();
        ClickColumn(view, column, Qt::AscendingOrder);
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatisticsSortFirstClick)
    ->ArgsProduct({{1000, 10000, 100000}, {2, 3}})
    ->ArgNames({"n", "col"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Further clicks on the same column: the direction reversed.
void BM_StatisticsSortReverse(benchmark::State& state)
{
    UseBank(state.range(0));
    auto window = OpenWindow();
    auto* view = window->findChild<QTableView*>("lvDomande");
    ClickColumn(view, 2, Qt::AscendingOrder);
    Qt::SortOrder order = Qt::DescendingOrder;
    for (auto _ : state) {
        ClickColumn(view, 2, order);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
}
BENCHMARK(BM_StatisticsSortReverse)->Apply(Sizes);

// One page down, painted.
void BM_StatisticsScrollPage(benchmark::State& state)
{
    UseBank(state.range(0));
    auto window = OpenWindow();
    auto* view = window->findChild<QTableView*>("lvDomande");
    QScrollBar* bar = view->verticalScrollBar();
    for (auto _ : state) {
        int next = bar->value() + bar->pageStep();
        if (next > bar->maximum()) next = 0;
        bar->setValue(next);
        view->viewport()->repaint();
    }
}
BENCHMARK(BM_StatisticsScrollPage)->Apply(Sizes);

}  // namespace
