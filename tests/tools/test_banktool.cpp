// The built tessarondequiz-bank run as a user runs it.

#include "bank/cRecordBase.h"

#include "Fixtures.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

namespace {

using tooltest::ReadBytes;
using tooltest::TempDir;
using tooltest::WriteBytes;

struct Run {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s)
{
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Run Tool(const std::vector<std::string>& args)
{
    TempDir io;
    std::string command = Quote(TQ_PROGRAM_DIR "/tessarondequiz-bank");
    for (const auto& a : args) command += " " + Quote(a);
    command += " >" + Quote((io / "out").string()) + " 2>" + Quote((io / "err").string());
    const int status = std::system(command.c_str());
    Run run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(io / "out");
    run.err = ReadBytes(io / "err");
    return run;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(BankTool, ExitCodesTellSuccessProblemAndBadUsage)
{
    EXPECT_EQ(Tool({"check", Fixtures::Small().string()}).exitCode, 0);
    EXPECT_EQ(Tool({"summary", Fixtures::Small().string()}).exitCode, 0);
    EXPECT_EQ(Tool({"dump", "/nonexistent/bank.dat"}).exitCode, 1);

    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"check"}, {"check", "a.dat", "b.dat"}, {"frobnicate", "a.dat"}, {"encode", "only-one"}}) {
        const auto run = Tool(args);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_NE(run.err.find("Usage: tessarondequiz-bank"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(BankTool, CheckReportsProblemsWithFileAndLine)
{
    TempDir dir;
    WriteBytes(dir / "bad.dat", "AM:Uno\r\nQI:1,1,1\r\n");
    const auto run = Tool({"check", (dir / "bad.dat").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find((dir / "bad.dat").string() + ":2: malformed QI:"), std::string::npos) << run.err;
}

TEST(BankTool, DumpShowsTheBankAsTheProgramLoadsIt)
{
    const auto run = Tool({"dump", Fixtures::Small().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], R"({"numRisposte":4,"topics":[{"id":1,"nome":"Ordinamento degli enti locali"},)"
                        R"({"id":2,"nome":"Diritto amministrativo"},{"id":3,"nome":"Logica e cultura generale"}]})");

    const auto q9 = nlohmann::json::parse(lines[9]);
    EXPECT_EQ(q9["codice"], 9);
    EXPECT_EQ(q9["gazzetta"], 201);
    EXPECT_EQ(q9["argomento"], 3);
    EXPECT_EQ(q9["immagine"], "sequenza.png");
    ASSERT_EQ(q9["risposte"].size(), 5u);
    EXPECT_EQ(q9["risposte"][4], "");
    EXPECT_EQ(nlohmann::json::parse(lines[12])["risposte"][3], "L'euro (€)");
    EXPECT_EQ(nlohmann::json::parse(lines[6])["hint"].get<std::string>().substr(0, 16), "In mancanza di d");
}

TEST(BankTool, EncodeNeverTouchesTheTargetOnError)
{
    TempDir dir;
    WriteBytes(dir / "bank.txt", "AM:Uno\nQI:1,2,1,1\nQD:Domanda\nR1:Sì\n");
    WriteBytes(dir / "out.dat", "previous contents");
    const auto refused = Tool({"encode", (dir / "bank.txt").string(), (dir / "out.dat").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("bank.txt:2: topic 2 does not exist"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadBytes(dir / "out.dat"), "previous contents");

    WriteBytes(dir / "bank.txt", "AM:Uno\nQI:1,1,1,1\nQD:Domanda\nR1:Sì\n");
    const auto done = Tool({"encode", (dir / "bank.txt").string(), (dir / "out.dat").string()});
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(ReadBytes(dir / "out.dat").substr(0, 8), "AM:Uno\r\n");
    EXPECT_EQ(Tool({"check", (dir / "out.dat").string()}).exitCode, 0);

    size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 2u) << "no temporary file left behind";

    EXPECT_EQ(Tool({"encode", (dir / "bank.txt").string(), "/nonexistent/folder/out.dat"}).exitCode, 1);
    EXPECT_EQ(Tool({"encode", (dir / "missing.txt").string(), (dir / "out.dat").string()}).exitCode, 1);
}

TEST(BankTool, StatsReadsTheRecordFileBesideTheBank)
{
    TempDir dir;
    std::filesystem::copy_file(Fixtures::Three(), dir / "b.dat");
    const auto missing = Tool({"stats", (dir / "b.dat").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no statistics file"), std::string::npos);
    EXPECT_TRUE(missing.out.empty());

    {
        // Only records 1 and 2 are in the file: the third reads as zeros.
        cRecordBase store;
        ASSERT_TRUE(store.CreateNew(dir / "b.dat.rec"));
        store.WriteRecord(2, {5, 1, 3, 2, 2});
    }
    const auto run = Tool({"stats", (dir / "b.dat").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], R"({"codice":2,"visualizzate":5,"tralasciate":1,"esatte":3,"sbagliate":2,"esito":2})");
    EXPECT_EQ(lines[2], R"({"codice":3,"visualizzate":0,"tralasciate":0,"esatte":0,"sbagliate":0,"esito":0})");
}

}  // namespace
