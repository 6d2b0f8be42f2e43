// The progress window on a 10,000-question bank whose log holds 1,000,000
// answers over 100 days: the analysis alone (the forecast of the exam
// included), the window usable (files read, table and chart built, painted
// once), and a change of topic.
#include "bank/BankFiles.h"
#include "bank/cRecordBase.h"
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/Competition.h"
#include "setup/ProgressData.h"

#include "ui/ModGlobal.h"

#include "windows/frmAndamento.h"

#include "BankGenerator.h"
#include "BenchScratch.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int32_t kQuestions = 10000;
constexpr int32_t kAnswers = 1000000;
constexpr int32_t kDays = 100;

// The bank, a statistics file of seen and marked questions, and the log of a
// test build every 30 answers; today is the last day of the log. Made once.
void UseFiles()
{
    static bool made = false;
    ProgramFolder::Set(BenchScratch());
    ModGlobal::Shared().CurrentDataFile = "bank.dat";
    ModGlobal::Shared().TopicFilter = 0;
    ModGlobal::Shared().ExamSets = Competition::ExamSets();
    Clock::SetFixedNowText("10/03/2024 21:00:00");
    if (made) return;
    made = true;
    if (!BankGenerator::WriteFile(BenchScratch() / "bank.dat", {kQuestions, 3, 42})) throw std::runtime_error("bank");
    std::mt19937 rng(7);
    {
        cRecordBase store;
        if (!store.CreateNew(BenchScratch() / "bank.dat.rec")) throw std::runtime_error("statistics");
        for (int32_t codice = 1; codice <= kQuestions; ++codice) {
            cRecordSpec rec;
            rec.nVisualizzate = static_cast<int32_t>(rng() % 4);
            rec.bnUltimoEsito = rng() % 4 == 0 ? 2 : 0;
            if (!store.WriteRecord(codice, rec)) throw std::runtime_error("cannot write statistics");
        }
    }
    std::ofstream log(BankFiles::For("bank.dat").log, std::ios::binary);
    const int32_t today = Clock::Today();
    char line[96];
    for (int32_t i = 0; i < kAnswers; ++i) {
        // Days in order, from 99 days ago to today.
        const int32_t day = today - (kDays - 1) + static_cast<int32_t>(static_cast<int64_t>(i) * kDays / kAnswers);
        const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
        const int when = i % 86400;
        std::snprintf(line, sizeof line, "%02u/%02u/%04d %02d:%02d:%02d", static_cast<unsigned>(date.day()),
                      static_cast<unsigned>(date.month()), static_cast<int>(date.year()), when / 3600, when / 60 % 60,
                      when % 60);
        if (i % 30 == 0) log << "DOM:" << line << "|0|bank.dat|0|30|False|True|0|0|1\r\n";
        log << "DOM:" << line << '|' << (1 + rng() % kQuestions) << '|' << (rng() % 3 ? 1 : 0) << "\r\n";
    }
}

void BM_ProgressAnalysis(benchmark::State& state)
{
    UseFiles();
    for (auto _ : state) {
        ProgressData data;
        const BankFiles files = BankFiles::For("bank.dat");
        data.Load(files.data, files.record, files.log, Clock::Today(), Competition::ExamSets());
        benchmark::DoNotOptimize(data.View(0).practiceDays);
    }
}
BENCHMARK(BM_ProgressAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime();

std::unique_ptr<frmAndamento> OpenWindow()
{
    auto window = std::make_unique<frmAndamento>();
    window->show();
    auto* table = window->findChild<QTableView*>("lvArgomenti");
    while (table->model()->rowCount() == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->repaint();
    return window;
}

void BM_ProgressWindowUsable(benchmark::State& state)
{
    UseFiles();
    for (auto _ : state) {
        auto window = OpenWindow();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProgressWindowUsable)->Unit(benchmark::kMillisecond)->UseRealTime();

// Another topic in the combo: table and chart rebuilt from memory and painted.
void BM_ProgressTopicChange(benchmark::State& state)
{
    UseFiles();
    auto window = OpenWindow();
    auto* combo = window->findChild<QComboBox*>("cbArgomenti");
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % combo->count();
        combo->setCurrentIndex(row);
        window->repaint();
    }
}
BENCHMARK(BM_ProgressTopicChange)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
