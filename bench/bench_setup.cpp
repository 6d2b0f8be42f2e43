// The test builder end to end (load, statistics file, shuffle, filter, order,
// cut) on synthetic banks of 1,000, 10,000 and 100,000 questions, as the start
// screen runs it for "TUTTI I QUESITI".
#include "bank/BankFiles.h"
#include "bank/BankRandom.h"
#include "bank/cRecordBase.h"
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/Competition.h"
#include "setup/InterruptedTest.h"
#include "setup/ModFunzioni.h"
#include "setup/SessionFile.h"

#include "BankGenerator.h"
#include "DrawHash.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int32_t kLogFirstDay = 19783;  // 01/03/2024

struct BenchFolder {
    fs::path dir = fs::temp_directory_path() / ("tq-bench-setup-" + std::to_string(getpid()));
    BenchFolder() { fs::create_directories(dir); }
    ~BenchFolder()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

// One program folder per size, holding "rcv14.dat", a statistics file with
// one question in five seen or marked wrong, so that sorted draws have keys,
// and a log in which those questions were answered three times over a month.
const fs::path& ProgramFolderFor(int64_t n)
{
    static BenchFolder root;
    static std::map<int64_t, fs::path> folders;
    fs::path& folder = folders[n];
    if (folder.empty()) {
        folder = root.dir / std::to_string(n);
        fs::create_directories(folder);
        const fs::path bank = folder / "rcv14.dat";
        if (!BankGenerator::WriteFile(bank, {static_cast<int32_t>(n), 3, 42}))
            throw std::runtime_error("cannot write bank");
        cRecordBase store;
        if (!store.CreateNew(folder / "rcv14.dat.rec")) throw std::runtime_error("cannot make statistics file");
        std::mt19937 rng(7);
        for (int32_t codice = 1; codice <= n; ++codice) {
            cRecordSpec rec;
            if (codice % 5 == 1) {
                rec.nVisualizzate = static_cast<int32_t>(rng() % 20);
                rec.nSbagliate = static_cast<int32_t>(rng() % (rec.nVisualizzate + 1));
                rec.nEsatte = rec.nVisualizzate - rec.nSbagliate;
                rec.bnUltimoEsito = rec.nSbagliate > 0 ? cRecordSpec::Marked : 0;
            }
            if (!store.WriteRecord(codice, rec)) throw std::runtime_error("cannot write statistics");
        }
        std::ofstream log(folder / "rcv14.log", std::ios::binary);
        for (int32_t round = 0; round < 3; ++round)
            for (int32_t codice = 1; codice <= n; codice += 5)
                log << "DOM:" << Clock::DateText(kLogFirstDay + round * 10) << " 18:00:00|" << codice << '|'
                    << (rng() % 3 ? 1 : 0) << "\r\n";
    }
    return folder;
}

// Row 0 of the topic list, "TUTTI I QUESITI", as the start screen asks.
TestRequest Prepare(int64_t n, int32_t orderMode, int32_t count)
{
    ProgramFolder::Set(ProgramFolderFor(n));
    TestRequest request;
    request.CurrentDataFile = "rcv14.dat";
    request.ExamSets = Competition::ExamSets();
    request.ApplyTopicFilter(Competition::Filters()[0]);
    request.OrderMode = orderMode;
    request.QuestionCount = count;
    return request;
}

void Run(benchmark::State& state, int32_t orderMode, int32_t count)
{
    const int64_t n = state.range(0);
    const TestRequest request = Prepare(n, orderMode, count);
    BankRandom::SetTestSeed(1);
    state.counters["order_hash"] = DrawHash(*ModFunzioni::EstraiQuesiti(request)->TestSet);
    for (auto _ : state) {
        auto built = ModFunzioni::EstraiQuesiti(request);
        benchmark::DoNotOptimize(built->TestSet->Count());
        // Releasing the test is the quiz screen's cost, not the builder's.
        state.PauseTiming();
        built = Fail(Failure::Kind::NothingFound);
        state.ResumeTiming();
    }
    BankRandom::ClearTestSeed();
    state.SetComplexityN(n);
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
}

// The usual test: 30 questions at random.
void BM_EstraiCasuale30(benchmark::State& state) { Run(state, OrderCasuale, 30); }
BENCHMARK(BM_EstraiCasuale30)->Apply(Sizes);

// Every question, through the statistics file.
void BM_EstraiPrimaErrateTutti(benchmark::State& state) { Run(state, OrderPrimaErrate, 0); }
BENCHMARK(BM_EstraiPrimaErrateTutti)->Apply(Sizes);

void BM_EstraiGazzettaTutti(benchmark::State& state) { Run(state, OrderGazzetta, 0); }
BENCHMARK(BM_EstraiGazzettaTutti)->Apply(Sizes);

void BM_EstraiEsame(benchmark::State& state) { Run(state, OrderEsame, 50); }
BENCHMARK(BM_EstraiEsame)->Apply(Sizes);

// Every question by the review schedule, the log replayed on the day after its last.
void BM_EstraiRipassoTutti(benchmark::State& state)
{
    Clock::SetFixedNowText(Clock::DateText(kLogFirstDay + 30) + " 09:00:00");
    Run(state, OrderRipasso, 0);
    Clock::SetFixedNowText("");
}
BENCHMARK(BM_EstraiRipassoTutti)->Apply(Sizes);

// A test of 500 questions from the 1,000-question bank, half of them answered,
// as the quiz keeps it: every answer order, the views, the time left.
TestRecord HalfAnsweredTest(TestRequest& request)
{
    request = Prepare(1000, OrderCasuale, 500);
    const auto built = ModFunzioni::EstraiQuesiti(request);
    for (int32_t i = 1; i <= built->TestSet->Count(); i += 2) built->TestSet->Item(i)->RispostaData = 1;
    TestRecord record = TestRecord::Of(request, *built->TestSet, 251);
    record.HasViews = true;
    record.Passed = 250;
    record.SecondsLeft = 1234;
    record.Started = record.Written;
    return record;
}

// What every view and answer adds: the running test saved to the interrupted-test file.
void BM_KeepProgress500(benchmark::State& state)
{
    TestRequest request;
    const TestRecord record = HalfAnsweredTest(request);
    const auto path = BankFiles::For(request.CurrentDataFile).interrupted;
    for (auto _ : state)
        if (!SessionFile::Write(path, record)) state.SkipWithError("cannot save");
}
BENCHMARK(BM_KeepProgress500)->Unit(benchmark::kMicrosecond);

// What the start screen adds to its opening: the check that the file would resume.
void BM_ResumableCheck500(benchmark::State& state)
{
    TestRequest request;
    const TestRecord record = HalfAnsweredTest(request);
    const auto path = BankFiles::For(request.CurrentDataFile).interrupted;
    SessionFile::Write(path, record);
    for (auto _ : state) benchmark::DoNotOptimize(InterruptedTest::Look(path, {request, "rcv14.dat"}).has_value());
}
BENCHMARK(BM_ResumableCheck500)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
