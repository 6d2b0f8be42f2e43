// The memory of each question (FSRS-6) and the forecast "Se l'esame fosse oggi"
// on a 10,000-question bank whose log holds 1,000,000 answers over 200 days;
// the "RIPASSO PROGRAMMATO" draw on 10,000 and 100,000 questions; and the
// honest figures: the log of a simulated candidate who forgets by another
// model than ours, how well our chances predict the answers, and our forecast
// against the simulated exams.
#include "bank/cDocumento.h"

#include "setup/BankMemory.h"
#include "setup/BuildConstants.h"
#include "setup/Clock.h"
#include "setup/cRipassoSorter.h"
#include "setup/ExamForecast.h"
#include "setup/Fsrs.h"

#include "BankGenerator.h"
#include "BenchScratch.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int32_t kQuestions = 10000;
constexpr int32_t kAnswers = 1000000;
constexpr int32_t kDays = 200;
constexpr int32_t kFirstDay = 19723;  // 01/01/2024

std::string LogTime(int32_t day, int32_t second)
{
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
    return Clock::DateText(day) + time;
}

// Answers spread evenly over the days, to random questions, two in three right; a test-build
// line every 30 answers and now and then a reset of one topic.
std::string MakeLog(int32_t questions, int32_t answers, int32_t days)
{
    std::mt19937 rng(7);
    std::string log;
    log.reserve(static_cast<size_t>(answers) * 32);
    for (int32_t i = 0; i < answers; ++i) {
        const int32_t day = kFirstDay + static_cast<int32_t>(static_cast<int64_t>(i) * days / answers);
        const std::string when = LogTime(day, i % 86400);
        if (i % 30 == 0) log += "DOM:" + when + "|0|bank.dat|0|30|False|True|0|0|1\r\n";
        if (i % 200000 == 199999) log += "DOM:" + when + "|AZZERA|" + std::to_string(1 + rng() % 3) + "\r\n";
        log += "DOM:" + when + "|" + std::to_string(1 + rng() % questions) + "|" + (rng() % 3 ? "1" : "0") + "\r\n";
    }
    return log;
}

struct Bank {
    cDocumento document;
    fs::path log;
    int32_t today = 0;
};

// The bank, with a log of ten answers a question over as many days as the big one; made once a size.
const Bank& BankOf(int32_t questions)
{
    static std::map<int32_t, std::unique_ptr<Bank>> banks;
    auto& bank = banks[questions];
    if (!bank) {
        bank = std::make_unique<Bank>();
        const fs::path data = BenchScratch() / ("memory" + std::to_string(questions) + ".dat");
        if (!BankGenerator::WriteFile(data, {questions, 3, 42})) throw std::runtime_error("bank");
        bank->document.LoadFromText(data);
        bank->log = BenchScratch() / ("memory" + std::to_string(questions) + ".log");
        const int32_t answers = questions == kQuestions ? kAnswers : questions * 10;
        std::ofstream(bank->log, std::ios::binary) << MakeLog(questions, answers, kDays);
        bank->today = kFirstDay + kDays;
    }
    return *bank;
}

void BM_MemoryFromLog(benchmark::State& state)
{
    const Bank& bank = BankOf(kQuestions);
    for (auto _ : state) {
        BankMemory memory;
        memory.Load(bank.log, *bank.document.Quesiti());
        benchmark::DoNotOptimize(memory.FirstAnswers());
    }
}
BENCHMARK(BM_MemoryFromLog)->Unit(benchmark::kMillisecond)->UseRealTime();

std::vector<ForecastQuestion> Chances(const cQuesiti& set, const BankMemory& memory, int32_t today,
                                      int32_t numRisposte)
{
    std::vector<ForecastQuestion> chances;
    chances.reserve(static_cast<size_t>(set.Count()));
    for (const auto& q : set)
        chances.push_back({q->Argomento() ? q->Argomento()->ID : 0, q->Difficolta,
                           memory.Chance(q->Codice, today, numRisposte)});
    return chances;
}

const std::vector<cSetEsame> kComposition = {
    {BuildConstants::ExamTopic, BuildConstants::ExamDifficulty, BuildConstants::ExamQuestions}};

// From the memory in hand to the figures shown: every question's chance, then the draws.
void BM_ExamForecast(benchmark::State& state)
{
    const Bank& bank = BankOf(kQuestions);
    BankMemory memory;
    memory.Load(bank.log, *bank.document.Quesiti());
    ExamForecast forecast;
    for (auto _ : state) {
        forecast = ExamForecast::Compute(
            Chances(*bank.document.Quesiti(), memory, bank.today, bank.document.NumRisposte()), kComposition);
        benchmark::DoNotOptimize(forecast.meanScore);
    }
    state.counters["mean_30"] = forecast.meanScore;
    state.counters["pass"] = forecast.passProbability;
}
BENCHMARK(BM_ExamForecast)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RipassoDraw(benchmark::State& state)
{
    const Bank& bank = BankOf(static_cast<int32_t>(state.range(0)));
    BankMemory memory;
    memory.Load(bank.log, *bank.document.Quesiti());
    cRipassoSorter sorter;
    sorter.Memory = &memory;
    sorter.Today = bank.today;
    for (auto _ : state) {
        auto drawn = bank.document.Quesiti()->GetRandomized(&sorter);
        benchmark::DoNotOptimize(drawn->Count());
    }
    state.counters["due"] = cRipassoSorter::DueCount(*bank.document.Quesiti(), memory, bank.today);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RipassoDraw)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
