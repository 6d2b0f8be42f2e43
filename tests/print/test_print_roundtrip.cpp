// The bank tool's print command, and its documents opened by LibreOffice
// Writer: converted to text and PDF, with the expected text and pages.

#include "support/Files.h"
#include "support/ProgramTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

using namespace support;

namespace {

// Output and exit status of a shell command.
std::pair<std::string, int> Shell(const std::string& command)
{
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return {"", -1};
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }

// The twelve questions of the small bank, in order.
const fs::path Session = Fixtures::Source("print/list-shuffled/print.test");

class PrintCommand : public ::testing::Test {
protected:
    ToolRun Print(const std::string& out, std::vector<std::string> options, const fs::path& session = Session)
    {
        std::vector<std::string> args = {"print", Fixtures::Bank("small").string(), session.string(),
                                         (temp / out).string()};
        args.insert(args.end(), options.begin(), options.end());
        return RunTool(args);
    }

    // The document as LibreOffice converts it; a profile folder per run, as two runs sharing one fail silently.
    std::string Convert(const std::string& docx, const std::string& format, const std::string& extension)
    {
        static int runs = 0;
        const fs::path profile = temp / ("lo-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
        const auto [out, status] = Shell("soffice --headless -env:UserInstallation=file://" + profile.string() +
                                         " --convert-to " + format + " --outdir " + Quoted(temp.path()) + " " +
                                         Quoted(temp / docx));
        EXPECT_EQ(status, 0) << out;
        return (temp / fs::path(docx).replace_extension(extension)).string();
    }

    static std::string PdfText(const std::string& pdf, int page)
    {
        return Shell("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf +
                     "' -").first;
    }

    TempDir temp;
};

}  // namespace

TEST_F(PrintCommand, WritesTheDocumentAndReportsProblems)
{
    const auto done = Print("test.docx", {"--layout", "table", "--no-topic", "--shuffle"});
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(done.out, (temp / "test.docx").string() + ": 12 questions, table layout\n");
    EXPECT_TRUE(fs::exists(temp / "test.docx"));

    EXPECT_EQ(Print("x.docx", {"--layout", "wide"}).exitCode, 2);
    const auto other = Print("x.docx", {}, Fixtures::Source("print/list-nothing-loaded/print.test"));
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_NE(other.err.find("not a suspended test"), std::string::npos) << other.err;
    const auto unwritable = Print("assente/x.docx", {});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.starts_with("Errore inaspettato in fase di creazione del documento: 75 - ")) << unwritable.err;
    EXPECT_FALSE(fs::exists(temp / "x.docx"));
}

TEST_F(PrintCommand, LibreOfficeReadsBothLayouts)
{
    if (Shell("command -v soffice && command -v pdfinfo").second != 0)
        GTEST_SKIP() << "LibreOffice (soffice) or poppler-utils not installed";

    ASSERT_EQ(Print("list.docx", {"--layout", "list"}).exitCode, 0);
    const std::string list = ReadBytes(Convert("list.docx", "txt:Text", ".txt"));
    for (const char* expected :
         {"1. Chi rappresenta legalmente il Comune?  (Ordinamento degli enti locali, n.1)\n",
          "\nA) Il Segretario comunale\n", "\nD) Il Prefetto\n",
          "10. Quanto vale 3 × 4 ÷ 2?  Scegliere la risposta esatta.  (Logica e cultura generale, n.202)",
          "\nD) L'euro (€)\n"})
        EXPECT_NE(list.find(expected), std::string::npos) << expected << "\n" << list;
    // Two pages: the questions, then the key alone.
    const std::string listPdf = Convert("list.docx", "pdf", ".pdf");
    EXPECT_NE(PdfText(listPdf, 1).find("1. Chi rappresenta"), std::string::npos);
    const std::string key = PdfText(listPdf, 2);
    EXPECT_EQ(key.find("Chi rappresenta"), std::string::npos) << key;
    EXPECT_NE(key.find("12"), std::string::npos) << key;
    const std::string info = Shell("pdfinfo '" + listPdf + "'").first;
    ASSERT_NE(info.find("Pages:"), std::string::npos) << info;
    EXPECT_EQ(std::stoi(info.substr(info.find("Pages:") + 6)), 2) << info;

    ASSERT_EQ(Print("table.docx", {"--layout", "table", "--no-number"}).exitCode, 0);
    const std::string table = ReadBytes(Convert("table.docx", "txt:Text", ".txt"));
    // Each cell on its own line: the header, then question 1 and its answers, and the key's first pairs.
    for (const char* expected : {"N.\nDomanda\nA\nB\nC\nD\n",
                                 "\n1\nChi rappresenta legalmente il Comune?  (Ordinamento degli enti locali)\nIl "
                                 "Segretario comunale\nIl Sindaco\n",
                                 "\n1\nB\n2\nC\n3\nD\n"})
        EXPECT_NE(table.find(expected), std::string::npos) << expected << "\n" << table;
}
