// The bank tool's print command, and its documents opened by LibreOffice
// Writer: converted to text and PDF, with the expected text and page count.

#include "PrintTestSupport.h"

#include <cstdio>
#include <sstream>
#include <unistd.h>

using namespace printtest;

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

std::string Tool() { return Quoted(fs::path(TQ_PROGRAM_DIR) / "tessarondequiz-bank"); }

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool HaveLibreOffice() { return Shell("command -v soffice").second == 0 && Shell("command -v pdfinfo").second == 0; }

// Converts with a profile folder of its own: two runs sharing one fail silently.
fs::path Convert(const fs::path& docx, const std::string& format, const std::string& extension)
{
    static int runs = 0;
    const fs::path profile = fs::temp_directory_path() /
                             ("lo-tq-print-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    const auto [out, status] = Shell("soffice --headless -env:UserInstallation=file://" + profile.string() +
                                   " --convert-to " + format + " --outdir " + Quoted(docx.parent_path()) + " " +
                                   Quoted(docx));
    std::error_code ec;
    fs::remove_all(profile, ec);
    EXPECT_EQ(status, 0) << out;
    return fs::path(docx).replace_extension(extension);
}

int Pages(const fs::path& pdf)
{
    const auto [out, status] = Shell("pdfinfo " + Quoted(pdf));
    const auto at = out.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + 6));
}

std::string PageText(const fs::path& pdf, int page)
{
    const auto n = std::to_string(page);
    return Shell("pdftotext -layout -f " + n + " -l " + n + " " + Quoted(pdf) + " -").first;
}

}  // namespace

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override { fs::copy_file(Fixtures::Small(), temp / "rcv14.dat"); }

    // Prints the first `count` questions of a bank in the scratch folder.
    std::pair<std::string, int> Print(const std::string& bank, int count, const std::string& options,
                                      const std::string& out)
    {
        WriteSession(temp / "print.test", bank, CodeList(1, count));
        return Shell(Tool() + " print " + Quoted(temp / bank) + " " + Quoted(temp / "print.test") + " " +
                   Quoted(temp / out) + " " + options);
    }

    TempDir temp;
};

TEST_F(PrintCommand, WritesTheDocumentAndReportsProblems)
{
    const auto [out, status] = Print("rcv14.dat", 12, "--layout table --no-topic --shuffle", "test.docx");
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(out, (temp / "test.docx").string() + ": 12 questions, table layout\n");
    EXPECT_TRUE(ReadZip(temp / "test.docx").contains("word/document.xml"));

    EXPECT_EQ(Print("rcv14.dat", 12, "--layout wide", "x.docx").second, 2);
    EXPECT_EQ(Print("rcv14.dat", 12, "--colour", "x.docx").second, 2);
    EXPECT_EQ(Shell(Tool() + " print " + Quoted(temp / "rcv14.dat")).second, 2);
    EXPECT_EQ(Print("missing.dat", 12, "", "x.docx").second, 1);
    WriteBytes(temp / "other.test", "not a session\r\n");
    const auto notSession = Shell(Tool() + " print " + Quoted(temp / "rcv14.dat") + " " + Quoted(temp / "other.test") +
                                " " + Quoted(temp / "x.docx"));
    EXPECT_EQ(notSession.second, 1);
    EXPECT_NE(notSession.first.find("not a suspended test"), std::string::npos);
    // The wizard's messages: a code the bank lacks, a document that cannot be written.
    const auto missing = Print("rcv14.dat", 13, "", "x.docx");
    EXPECT_EQ(missing.second, 1);
    EXPECT_EQ(missing.first, "Impossibile leggere i quesiti da stampare: il quesito 13 non è nell'archivio \"rcv14.dat\".\n");
    EXPECT_FALSE(fs::exists(temp / "x.docx"));
    const auto unwritable = Print("rcv14.dat", 12, "", "assente/x.docx");
    EXPECT_EQ(unwritable.second, 1);
    EXPECT_EQ(unwritable.first, "Errore inaspettato in fase di creazione del documento: 75 - Impossibile registrare il "
                                "documento \"" + (temp / "assente/x.docx").string() +
                                    "\": impossibile creare il file temporaneo (file o cartella inesistente).\n");
}

TEST_F(PrintCommand, LibreOfficeReadsBothLayouts)
{
    if (!HaveLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) or poppler-utils not installed";

    ASSERT_EQ(Print("rcv14.dat", 12, "--layout list", "list.docx").second, 0);
    const std::string list = ReadText(Convert(temp / "list.docx", "txt:Text", ".txt"));
    for (const char* expected :
         {"1. Chi rappresenta legalmente il Comune?  (Ordinamento degli enti locali, n.1)\n", "\nA) Il Segretario comunale\n",
          "\nD) Il Prefetto\n", "10. Quanto vale 3 × 4 ÷ 2?  Scegliere la risposta esatta.  (Logica e cultura generale, n.202)",
          "\nD) L'euro (€)\n"})
        EXPECT_NE(list.find(expected), std::string::npos) << expected << "\n" << list;
    const fs::path listPdf = Convert(temp / "list.docx", "pdf", ".pdf");
    ASSERT_EQ(Pages(listPdf), 2);
    // The key stands alone on the last page.
    EXPECT_NE(PageText(listPdf, 1).find("1. Chi rappresenta"), std::string::npos);
    const std::string key = PageText(listPdf, 2);
    EXPECT_EQ(key.find("Chi rappresenta"), std::string::npos);
    EXPECT_NE(key.find("12"), std::string::npos) << key;

    ASSERT_EQ(Print("rcv14.dat", 12, "--layout table --no-number", "table.docx").second, 0);
    const std::string table = ReadText(Convert(temp / "table.docx", "txt:Text", ".txt"));
    // Each cell on its own line: the header, then question 1 and its answers, and the key's first pair.
    for (const char* expected : {"N.\nDomanda\nA\nB\nC\nD\n",
                                 "\n1\nChi rappresenta legalmente il Comune?  (Ordinamento degli enti locali)\nIl "
                                 "Segretario comunale\nIl Sindaco\n",
                                 "\n1\nB\n2\nC\n3\nD\n"})
        EXPECT_NE(table.find(expected), std::string::npos) << expected << "\n" << table;
    EXPECT_EQ(Pages(Convert(temp / "table.docx", "pdf", ".pdf")), 2);
}

TEST_F(PrintCommand, LibreOfficePagesOfALongerTest)
{
    if (!HaveLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) or poppler-utils not installed";
    WriteBytes(temp / "gen.dat", GeneratedBank(120));
    ASSERT_EQ(Print("gen.dat", 120, "--layout list", "list.docx").second, 0);
    const fs::path pdf = Convert(temp / "list.docx", "pdf", ".pdf");
    const int pages = Pages(pdf);
    // About thirteen questions of five lines to a page, then the key of twelve rows on a page of its own.
    EXPECT_GE(pages, 9);
    EXPECT_LE(pages, 11);
    const std::string last = PageText(pdf, pages);
    EXPECT_EQ(last.find("Domanda"), std::string::npos);
    EXPECT_NE(last.find("120"), std::string::npos);
    EXPECT_NE(PageText(pdf, 1).find("1. Domanda 1?"), std::string::npos);
}
