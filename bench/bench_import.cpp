// Importing a published bank: 5,000 questions of a synthetic bank laid out in
// two columns at 9.4 points, about 470 pages (bench/PublishedDocument), made into a PDF by LibreOffice
// outside the timing. Timed: the whole `import pdf --correct-first` (pdftotext,
// reading order, questions, rules, the source and its compilation), and the
// reading of the questions alone from the extracted lines.
#include "tools/SourceCompiler.h"
#include "tools/import/BankRules.h"
#include "tools/import/PdfLayout.h"
#include "tools/import/PdfText.h"
#include "tools/import/SourceWriter.h"

#include "BankGenerator.h"
#include "BenchScratch.h"
#include "PublishedDocument.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr int Questions = 5000;

int PageCount(const fs::path& pdf)
{
    int pages = 0;
    if (FILE* pipe = popen(("pdfinfo '" + pdf.string() + "'").c_str(), "r")) {
        char line[512];
        while (fgets(line, sizeof line, pipe))
            if (std::sscanf(line, "Pages: %d", &pages) == 1) break;
        pclose(pipe);
    }
    return pages;
}

const fs::path& Pdf()
{
    static const fs::path pdf = [] {
        const auto doc = BenchScratch() / "banca.fodt";
        std::FILE* f = std::fopen(doc.c_str(), "wb");
        const std::string xml =
            PublishedDocument::Write(PublishedDocument::FromDataFile(BankGenerator::Generate({Questions, 8, 42})), {2, 9.4});
        std::fwrite(xml.data(), 1, xml.size(), f);
        std::fclose(f);
        std::string log;
        auto made = PublishedDocument::ConvertToPdf(doc, BenchScratch(), &log);
        if (made.empty()) throw std::runtime_error("LibreOffice made no PDF: " + log);
        return made;
    }();
    return pdf;
}

void BM_ImportPdf(benchmark::State& state)
{
    const auto& pdf = Pdf();
    size_t imported = 0;
    for (auto _ : state) {
        const auto text = Import::ReadPdfText(pdf);
        auto bank = Import::ReadPdfLines(text.lines, pdf.string(), {true, {}});
        Import::Settle(bank, {});
        const auto compiled = SourceCompiler::Compile(Import::WriteSource(bank, ""), "banca.txt");
        if (!compiled.Ok()) state.SkipWithError("the imported source does not compile");
        imported = bank.quesiti.size();
        benchmark::DoNotOptimize(compiled.data.data());
    }
    state.counters["questions"] = static_cast<double>(imported);
    state.counters["pages"] = PageCount(pdf);
}
BENCHMARK(BM_ImportPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadPdfLines(benchmark::State& state)
{
    const auto text = Import::ReadPdfText(Pdf());
    for (auto _ : state) {
        auto bank = Import::ReadPdfLines(text.lines, "banca.pdf", {true, {}});
        benchmark::DoNotOptimize(bank.quesiti.data());
    }
    state.counters["lines"] = static_cast<double>(text.lines.size());
}
BENCHMARK(BM_ReadPdfLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
