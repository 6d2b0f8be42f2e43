// `import pdf` on PDFs that LibreOffice makes: a test printed by the program
// itself, with its answer key, and a bank laid out as competitions publish
// theirs (two columns, headings, running header and footer, a stamp).

#include "support/ProgramTest.h"

#include "bank/Cp1252.h"
#include "bank/cDocumento.h"
#include "bank/cQuesiti.h"

#include "tools/SourceCompiler.h"
#include "tools/import/DataFileBank.h"

#include "BankGenerator.h"
#include "PublishedDocument.h"

#include <gtest/gtest.h>

namespace {

using namespace support;

// The bank a source compiles to, as the tool reads data files.
Import::Bank Compiled(const std::string& source, const TempDir& temp)
{
    const auto result = SourceCompiler::Compile(source, "imported.txt");
    EXPECT_TRUE(result.Ok()) << (result.errors.empty() ? "" : result.errors.front().ToString());
    WriteBytes(temp / "imported.dat", result.data);
    return Import::LoadDataFile(temp / "imported.dat").value_or(Import::Bank{});
}

// A line break inside a paragraph reads, in a PDF, as the end of a wrapped line.
std::string Shown(const std::string& cp1252)
{
    std::string text = Cp1252::ToUtf8(cp1252);
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, " ");
    return text;
}

TEST(ImportPdf, APrintedTestComesBackWithItsKey)
{
    TempDir temp;
    const fs::path session = Fixtures::Source("print/list-shuffled/print.test");
    const auto docx = (temp / "test.docx").string();
    ASSERT_EQ(RunTool({"print", Fixtures::Bank("small").string(), session.string(), docx, "--no-topic", "--no-number"}).exitCode, 0);
    std::string log;
    const auto pdf = PublishedDocument::ConvertToPdf(docx, temp.path(), &log);
    ASSERT_FALSE(pdf.empty()) << log;

    // The key is the last page of the same PDF.
    const auto run = RunTool({"import", "pdf", pdf.string(), "--key", pdf.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto imported = Compiled(run.out, temp);

    cDocumento original;
    original.LoadFromText(Fixtures::Bank("small"));
    ASSERT_EQ(imported.quesiti.size(), static_cast<size_t>(original.Quesiti()->Count()));
    // The test holds the bank's questions in bank order, numbered 1.. as printed.
    for (int32_t i = 1; i <= original.Quesiti()->Count(); ++i) {
        const auto& q = *original.Quesiti()->Item(i);
        const auto& back = imported.quesiti[static_cast<size_t>(i - 1)];
        SCOPED_TRACE("question " + std::to_string(i));
        EXPECT_EQ(back.numero, i);
        EXPECT_EQ(back.domanda, Shown(q.VisualDescrizione()));
        ASSERT_EQ(back.risposte.size(), static_cast<size_t>(q.NumRisposte()));
        for (int32_t k = 1; k <= q.NumRisposte(); ++k)
            EXPECT_EQ(back.risposte[static_cast<size_t>(k - 1)], Shown(q.VisualRisposta(k)));
        EXPECT_EQ(back.esatta, q.RispostaCorretta);
    }
}

TEST(ImportPdf, APublishedBankInTwoColumns)
{
    TempDir temp;
    const auto expected = PublishedDocument::FromDataFile(BankGenerator::Generate({60, 3, 7}));
    WriteBytes(temp / "banca.fodt", PublishedDocument::Write(expected, {}));
    std::string log;
    const auto pdf = PublishedDocument::ConvertToPdf(temp / "banca.fodt", temp.path(), &log);
    ASSERT_FALSE(pdf.empty()) << log;

    const auto run = RunTool({"import", "pdf", pdf.string(), "--correct-first"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto imported = Compiled(run.out, temp);
    ASSERT_EQ(imported.quesiti.size(), expected.size()) << run.err;
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("question " + std::to_string(expected[i].numero));
        const auto& back = imported.quesiti[i];
        EXPECT_EQ(back.numero, expected[i].numero);
        EXPECT_EQ(back.argomento, PublishedDocument::Heading(expected[i].argomento));
        EXPECT_EQ(back.domanda, expected[i].domanda);
        EXPECT_EQ(back.risposte, expected[i].risposte);
        EXPECT_EQ(back.esatta, 1);
    }
}

}  // namespace
