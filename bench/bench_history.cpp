// "Storico dei test" with 10,000 exams of 50 questions: reading the history file, the window
// usable (read, listed, painted once), and adding one test to it.
#include "bank/ProgramFolder.h"

#include "setup/HistoryFile.h"

#include "ui/ModGlobal.h"

#include "windows/frmStorico.h"

#include "BankGenerator.h"
#include "BenchScratch.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <random>
#include <stdexcept>

namespace {

constexpr int kTests = 10000;
constexpr int kQuestions = 50;

HistoryEntry Exam(std::mt19937& rng)
{
    HistoryEntry e;
    e.Started = "01/03/2024 09:00:00";
    e.Ended = "01/03/2024 09:47:13";
    e.Request.OrderMode = OrderEsame;
    e.Request.QuestionCount = kQuestions;
    e.Request.TimeLimitMinutes = 50;
    for (int i = 0; i < kQuestions; ++i) {
        TestItem item;
        item.Codice = static_cast<int32_t>(1 + rng() % 10000);
        item.Correct = static_cast<int32_t>(1 + rng() % 4);
        item.Given = static_cast<int32_t>(rng() % 5);
        std::shuffle(item.Ordine.begin(), item.Ordine.begin() + 4, rng);
        e.Items.push_back(item);
    }
    return e;
}

// The bank and its history, made once.
const std::filesystem::path& UseFiles()
{
    static const std::filesystem::path history = [] {
        const auto folder = BenchScratch() / "history";
        std::filesystem::create_directories(folder);
        if (!BankGenerator::WriteFile(folder / "rcv14.dat", {10000, 3, 42})) throw std::runtime_error("bank");
        std::mt19937 rng(3);
        std::string bytes;
        for (int t = 0; t < kTests; ++t) bytes += HistoryFile::Line(Exam(rng)) + "\r\n";
        FILE* out = std::fopen((folder / "rcv14.storico").c_str(), "wb");
        if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) throw std::runtime_error("history");
        std::fclose(out);
        return folder / "rcv14.storico";
    }();
    ProgramFolder::Set(history.parent_path());
    ModGlobal::Shared().CurrentDataFile = "rcv14.dat";
    return history;
}

void BM_HistoryRead(benchmark::State& state)
{
    const auto& file = UseFiles();
    for (auto _ : state) benchmark::DoNotOptimize(HistoryFile::Read(file).entries.size());
}
BENCHMARK(BM_HistoryRead)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryWindowUsable(benchmark::State& state)
{
    UseFiles();
    for (auto _ : state) {
        frmStorico window;
        window.show();
        window.repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_HistoryWindowUsable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryAppendOne(benchmark::State& state)
{
    const auto file = BenchScratch() / "append.storico";
    std::mt19937 rng(5);
    const HistoryEntry exam = Exam(rng);
    for (auto _ : state)
        if (!HistoryFile::Append(file, exam)) state.SkipWithError("cannot append");
}
BENCHMARK(BM_HistoryAppendOne)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
