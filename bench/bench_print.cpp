// Printing a test: the builder writes the whole document and saves the .docx,
// for 100 and 1,000 questions of a synthetic bank, in the list and the table
// layout. Loading the suspended test is outside the timing.
#include "bank/ProgramFolder.h"

#include "print/CPaginatrice.h"

#include "BankGenerator.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct BenchFolder {
    fs::path dir = fs::temp_directory_path() / ("tq-bench-print-" + std::to_string(getpid()));
    BenchFolder()
    {
        fs::create_directories(dir);
        if (!BankGenerator::WriteFile(dir / "rcv14.dat", {1000, 3, 42})) throw std::runtime_error("cannot write bank");
        ProgramFolder::Set(dir);
    }
    ~BenchFolder()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

const BenchFolder& Folder()
{
    static BenchFolder folder;
    return folder;
}

// A suspended test of the first n questions, as the start screen writes it for printing.
fs::path Session(int64_t n)
{
    const fs::path path = Folder().dir / ("print" + std::to_string(n) + ".test");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "tessarondequiz RCV SaveFile\r\n06/12/2026 10:00:00|0|rcv14.dat|0|" << n << "|False|True|0|0|0\r\n0\r\n";
    for (int64_t c = 1; c <= n; ++c) out << c << ";";
    out << "\r\n\r\n\r\n";
    return path;
}

void BM_Print(benchmark::State& state)
{
    const int64_t n = state.range(0);
    const auto formato = static_cast<int32_t>(state.range(1));
    const fs::path session = Session(n);
    const fs::path docx = Folder().dir / "out.docx";
    for (auto _ : state) {
        state.PauseTiming();
        CPaginatrice builder([&] {
            word::SaveOptions options;
            options.exactPath = docx;
            options.open = false;
            return std::make_shared<word::Application>(std::move(options));
        });
        if (!builder.CaricaQuesitiDaSessione(session, false)) state.SkipWithError("cannot load the test");
        builder.Formato = formato;
        builder.MostraArgomenti = true;
        builder.MostraCodici = true;
        state.ResumeTiming();
        if (!builder.Build()) state.SkipWithError("cannot write the document");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(docx));
    state.SetLabel(formato == 1 ? "list" : "table");
}

}  // namespace

BENCHMARK(BM_Print)->ArgsProduct({{100, 1000}, {1, 2}})->ArgNames({"questions", "layout"})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
