// The built tessarondequiz-bank run as a user runs it.

#include "bank/cRecordBase.h"

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>

namespace {

using namespace support;

TEST(BankTool, ExitCodesTellSuccessProblemAndBadUsage)
{
    TempDir dir;
    WriteBytes(dir / "bad.dat", ReadableBank(Fixtures::Source("rules/qi-fields/bank.txt")));
    const std::string small = Fixtures::Bank("small").string(), bad = (dir / "bad.dat").string();
    // Arguments, exit code, and what the output or the error output starts with.
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> table = {
        {{"check", small}, 0, small + ": OK, 3 topics, 12 questions\n"},
        {{"summary", small}, 0, ""},
        {{"check", bad}, 1, bad + ":3: malformed QI:"},
        {{"dump", "/nonexistent/bank.dat"}, 1, "/nonexistent/bank.dat: cannot read the file"},
        {{}, 2, "Usage: tessarondequiz-bank"},
        {{"check"}, 2, "Usage: tessarondequiz-bank check BANK.dat"},
        {{"check", "a.dat", "b.dat"}, 2, "Usage: tessarondequiz-bank check BANK.dat"},
        {{"encode", "only-one"}, 2, "Usage: tessarondequiz-bank encode"},
        {{"frobnicate", "a.dat"}, 2, "Unknown command \"frobnicate\"."},
        {{"--version"}, 0, "tessarondequiz-bank (Tessarondequiz) 1."},
        {{"--help"}, 0, "Usage: tessarondequiz-bank"},
    };
    for (const auto& [args, exitCode, start] : table) {
        const auto run = RunTool(args);
        EXPECT_EQ(run.exitCode, exitCode) << testing::PrintToString(args);
        EXPECT_EQ((exitCode == 0 ? run.out : run.err).rfind(start, 0), 0u) << run.out << run.err;
        if (exitCode == 2) {
            EXPECT_TRUE(run.out.empty());
        }
    }
}

TEST(BankTool, HelpLinesUpTheCommandsInColumns)
{
    const auto run = RunTool({"--help"});
    std::istringstream lines(run.out.substr(run.out.find("Commands:\n") + 10));
    // Each command line: its name, its arguments, its description, each column starting where the others do.
    std::set<std::pair<size_t, size_t>> columns;
    int commands = 0;
    for (std::string line; std::getline(lines, line) && !line.empty(); ++commands) {
        const size_t arguments = line.find_first_not_of(' ', line.find(' ', 2));
        const size_t description = line.find_first_not_of(' ', line.find("  ", arguments));
        columns.emplace(arguments, description);
    }
    EXPECT_EQ(commands, 9);
    EXPECT_EQ(columns.size(), 1u) << run.out;
}

TEST(BankTool, DumpShowsTheBankAsTheProgramLoadsIt)
{
    const auto run = RunTool({"dump", Fixtures::Bank("small").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ExpectFile(Fixtures::Source("tool/dump-small.jsonl"), run.out);
}

TEST(BankTool, EncodeNeverTouchesTheTargetOnError)
{
    TempDir dir;
    const auto out = (dir / "out.dat").string();
    WriteBytes(out, "previous contents");
    const auto refused = Fixtures::Source("rules/topic-missing/bank.txt");
    EXPECT_EQ(RunTool({"encode", refused.string(), out}).exitCode, 1);
    EXPECT_EQ(ReadBytes(out), "previous contents");
    EXPECT_EQ(RunTool({"encode", (dir / "missing.txt").string(), out}).exitCode, 1);
    EXPECT_EQ(RunTool({"encode", Fixtures::Source("three.txt").string(), "/nonexistent/out.dat"}).exitCode, 1);

    const auto run = RunTool({"encode", Fixtures::Source("three.txt").string(), out});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), ReadBytes(Fixtures::Bank("three")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << "no temporary file";
}

TEST(BankTool, StatsReadsTheStatisticsWhereDrawAndTheProgramKeepThem)
{
    TempDir dir, home;
    fs::copy_file(Fixtures::Bank("three"), dir / "b.dat");
    const auto missing = RunTool({"stats", (dir / "b.dat").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no statistics file"), std::string::npos) << missing.err;
    {
        // Records 1 and 2 only: the third reads as zeros.
        cRecordBase store;
        ASSERT_TRUE(store.CreateNew(dir / "b.dat.rec"));
        ASSERT_TRUE(store.WriteRecord(2, Record(5, 3, 2, 2, 1)));
    }
    const std::string zero = R"({"codice":1,"visualizzate":0,"tralasciate":0,"esatte":0,"sbagliate":0,"esito":0})" "\n";
    const std::string third = R"({"codice":3,"visualizzate":0,"tralasciate":0,"esatte":0,"sbagliate":0,"esito":0})" "\n";
    const auto run = RunTool({"stats", (dir / "b.dat").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, zero + R"({"codice":2,"visualizzate":5,"tralasciate":1,"esatte":3,"sbagliate":2,"esito":2})" "\n" + third);

    // Beside a read-only bank that file is stale: draw writes the per-user one, which stats reads.
    fs::permissions(dir.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const char* oldHome = std::getenv("XDG_DATA_HOME");
    const std::string saved = oldHome ? oldHome : "";
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    const auto draw = RunTool({"draw", (dir / "b.dat").string()});
    const auto user = RunTool({"stats", (dir / "b.dat").string()});
    if (oldHome) setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(draw.exitCode, 0) << draw.err;
    EXPECT_EQ(fs::file_size(home / "Tessarondequiz/b.dat.rec"), 3u * 20u);
    EXPECT_EQ(user.exitCode, 0) << user.err;
    EXPECT_EQ(user.out, zero + R"({"codice":2,"visualizzate":0,"tralasciate":0,"esatte":0,"sbagliate":0,"esito":0})" "\n" + third);
}

}  // namespace
