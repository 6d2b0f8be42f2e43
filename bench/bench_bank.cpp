// Costs of the question bank core on synthetic banks of 1,000, 10,000 and 100,000 questions.
#include "bank/BankRandom.h"
#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"
#include "bank/cTRSorter.h"
#include "bank/ModEncoding.h"
#include "bank/ProgramFolder.h"

#include "BankGenerator.h"
#include "BenchScratch.h"
#include "DrawHash.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path& Folder() { return BenchScratch(); }

std::string BankName(int64_t n) { return "bank" + std::to_string(n) + ".dat"; }

// Generated once per size.
const fs::path& BankFile(int64_t n)
{
    static std::map<int64_t, fs::path> files;
    fs::path& path = files[n];
    if (path.empty()) {
        path = Folder() / BankName(n);
        if (!BankGenerator::WriteFile(path, {static_cast<int32_t>(n), 3, 42})) throw std::runtime_error("cannot write bank");
    }
    return path;
}

cDocumento& LoadedBank(int64_t n)
{
    static std::map<int64_t, std::unique_ptr<cDocumento>> banks;
    auto& doc = banks[n];
    if (!doc) {
        doc = std::make_unique<cDocumento>();
        doc->LoadFromText(BankFile(n));
    }
    return *doc;
}

// A statistics file for the bank with a record written for one question in five:
// some seen, some marked wrong, so that the sorter's keys differ.
const fs::path& StatisticsFile(int64_t n)
{
    static std::map<int64_t, fs::path> files;
    fs::path& path = files[n];
    if (path.empty()) {
        path = Folder() / (BankName(n) + ".rec");
        if (!LoadedBank(n).InitializeRecordBase(path)) throw std::runtime_error("cannot make statistics file");
        cRecordBase store;
        store.OpenExisting(path);
        std::mt19937 rng(7);
        for (int32_t codice = 1; codice <= n; codice += 5) {
            cRecordSpec rec;
            rec.nVisualizzate = static_cast<int32_t>(rng() % 20);
            rec.nSbagliate = static_cast<int32_t>(rng() % (rec.nVisualizzate + 1));
            rec.nEsatte = rec.nVisualizzate - rec.nSbagliate;
            rec.bnUltimoEsito = rec.nSbagliate > 0 ? 2 : 0;
            store.WriteRecord(codice, rec);
        }
    }
    return path;
}

// The baseline: the file's bytes into memory, nothing else.
std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string data(static_cast<size_t>(fs::file_size(path)), '\0');
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    return data;
}

size_t HeapInUse()
{
    const struct mallinfo2 mi = mallinfo2();
    return mi.uordblks + mi.hblkhd;
}

long VmRssBytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb * 1024;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
}

// The memory a loaded bank holds (heap in use and resident size, against the file's size);
// its time is that of a load on fresh pages, as a program's first load is.
void BM_LoadedMemory(benchmark::State& state)
{
    const fs::path& path = BankFile(state.range(0));
    for (auto _ : state) {
        malloc_trim(0);
        const size_t heapBefore = HeapInUse();
        const long rssBefore = VmRssBytes();
        auto doc = std::make_unique<cDocumento>();
        doc->LoadFromText(path);
        // The file's bytes are freed by now; the allocator here keeps freed memory, a
        // default one returns a block that large to the system at once.
        malloc_trim(0);
        const size_t heap = HeapInUse() - heapBefore;
        const long rss = VmRssBytes() - rssBefore;
        const double fileBytes = static_cast<double>(fs::file_size(path));
        state.counters["file_MB"] = fileBytes / 1e6;
        state.counters["heap_MB"] = static_cast<double>(heap) / 1e6;
        state.counters["rss_MB"] = static_cast<double>(rss) / 1e6;
        state.counters["heap_x_file"] = static_cast<double>(heap) / fileBytes;
        state.counters["rss_x_file"] = static_cast<double>(rss) / fileBytes;
        state.PauseTiming();
        doc.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadedMemory)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ReadBytes(benchmark::State& state)
{
    const fs::path& path = BankFile(state.range(0));
    for (auto _ : state) {
        std::string data = ReadBytes(path);
        benchmark::DoNotOptimize(data.data());
        state.PauseTiming();
        data = std::string();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(path)));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadBytes)->Apply(Sizes);

void BM_LoadFromText(benchmark::State& state)
{
    const fs::path& path = BankFile(state.range(0));
    for (auto _ : state) {
        auto doc = std::make_unique<cDocumento>();
        doc->LoadFromText(path);
        benchmark::DoNotOptimize(doc->Quesiti()->Count());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(path)));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadFromText)->Apply(Sizes);

double ThreadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Both in the same iterations: load_x_read is the load's processor time over the bare
// read's (processor time, as the machine is shared and wall time counts the others' work).
void BM_LoadVsRead(benchmark::State& state)
{
    const fs::path& path = BankFile(state.range(0));
    double read = 0;
    double load = 0;
    for (auto _ : state) {
        const double t0 = ThreadCpuSeconds();
        std::string data = ReadBytes(path);
        benchmark::DoNotOptimize(data.data());
        const double t1 = ThreadCpuSeconds();
        data = std::string();
        auto doc = std::make_unique<cDocumento>();
        const double t2 = ThreadCpuSeconds();
        doc->LoadFromText(path);
        benchmark::DoNotOptimize(doc->Quesiti()->Count());
        const double t3 = ThreadCpuSeconds();
        doc.reset();
        read += t1 - t0;
        load += t3 - t2;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["read_ms"] = read * 1e3 / n;
    state.counters["load_ms"] = load * 1e3 / n;
    state.counters["load_x_read"] = load / read;
}
BENCHMARK(BM_LoadVsRead)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_LoadArgomentiFromText(benchmark::State& state)
{
    BankFile(state.range(0));
    ProgramFolder::Set(Folder());
    cDocumento doc;
    for (auto _ : state) {
        doc.LoadArgomentiFromText(BankName(state.range(0)));
        benchmark::DoNotOptimize(doc.Argomenti().Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadArgomentiFromText)->Apply(Sizes);

void BM_Decode(benchmark::State& state)
{
    const auto& quesiti = *LoadedBank(state.range(0)).Quesiti();
    int64_t bytes = 0;
    for (auto _ : state) {
        for (const auto& q : quesiti) {
            const std::string plain = ModEncoding::Decode(q->Descrizione);
            benchmark::DoNotOptimize(plain.data());
            bytes += static_cast<int64_t>(q->Descrizione.size());
        }
    }
    state.SetBytesProcessed(bytes);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Decode)->Apply(Sizes);

void BM_VisualDescrizione(benchmark::State& state)
{
    const auto& quesiti = *LoadedBank(state.range(0)).Quesiti();
    for (auto _ : state) {
        for (const auto& q : quesiti) {
            const std::string text = q->VisualDescrizione();
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_VisualDescrizione)->Apply(Sizes);

void BM_ShuffleAnswers(benchmark::State& state)
{
    const auto& quesiti = LoadedBank(state.range(0)).Quesiti();
    BankRandom::SetTestSeed(1);
    for (auto _ : state) quesiti->ShuffleAnswers();
    BankRandom::ClearTestSeed();
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ShuffleAnswers)->Apply(Sizes);

void BM_GetRandomized(benchmark::State& state)
{
    const auto& quesiti = LoadedBank(state.range(0)).Quesiti();
    BankRandom::SetTestSeed(1);
    state.counters["order_hash"] = DrawHash(*quesiti->GetRandomized(nullptr));
    for (auto _ : state) {
        auto drawn = quesiti->GetRandomized(nullptr);
        benchmark::DoNotOptimize(drawn->Count());
    }
    BankRandom::ClearTestSeed();
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GetRandomized)->Apply(Sizes);

void GetRandomizedTR(benchmark::State& state, bool primaErrate)
{
    const auto& quesiti = LoadedBank(state.range(0)).Quesiti();
    auto store = std::make_shared<cRecordBase>();
    if (!store->OpenExisting(StatisticsFile(state.range(0)))) {
        state.SkipWithError("cannot open the statistics file");
        return;
    }
    cTRSorter sorter;
    sorter.RecordBase = store;
    sorter.PrimaErrate = primaErrate;
    BankRandom::SetTestSeed(1);
    state.counters["order_hash"] = DrawHash(*quesiti->GetRandomized(&sorter));
    for (auto _ : state) {
        auto drawn = quesiti->GetRandomized(&sorter);
        benchmark::DoNotOptimize(drawn->Count());
    }
    BankRandom::ClearTestSeed();
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(GetRandomizedTR, fewest_seen, false)->Apply(Sizes);
BENCHMARK_CAPTURE(GetRandomizedTR, wrong_first, true)->Apply(Sizes);

void BM_RecordRead(benchmark::State& state)
{
    cRecordBase store;
    if (!store.OpenExisting(StatisticsFile(state.range(0)))) {
        state.SkipWithError("cannot open the statistics file");
        return;
    }
    const auto n = static_cast<int32_t>(state.range(0));
    for (auto _ : state)
        for (int32_t i = 1; i <= n; ++i) benchmark::DoNotOptimize(store.ReadRecord(i));
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}
BENCHMARK(BM_RecordRead)->Apply(Sizes);

void BM_RecordWrite(benchmark::State& state)
{
    const fs::path path = Folder() / ("write" + std::to_string(state.range(0)) + ".rec");
    fs::remove(path);
    cRecordBase store;
    if (!store.CreateNew(path)) {
        state.SkipWithError("cannot make the statistics file");
        return;
    }
    const auto n = static_cast<int32_t>(state.range(0));
    cRecordSpec rec{3, 1, 1, 1, 2};
    for (auto _ : state)
        for (int32_t i = 1; i <= n; ++i) {
            rec.nVisualizzate = i;
            benchmark::DoNotOptimize(store.WriteRecord(i, rec));
        }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}
BENCHMARK(BM_RecordWrite)->Apply(Sizes);

}  // namespace

// The allocator keeps freed memory in the process and never maps large blocks on their own,
// so that every iteration runs on memory already touched and the figures show the code's own
// cost rather than the machine's page faults (which are dear on a virtual machine). The first,
// cold load is measured by BM_LoadedMemory, which runs before anything else.
int main(int argc, char** argv)
{
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
