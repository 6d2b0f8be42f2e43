// The bank tool's draw and resume, run as a user runs them, against the test
// builder and the session reader called in this process on the same bank.

#include "bank/BankRandom.h"
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/TestSettings.h"

#include "Fixtures.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using tooltest::ReadBytes;
using tooltest::TempDir;
using tooltest::WriteBytes;

struct Run {
    int exitCode = -1;
    std::vector<json> lines;
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
    std::istringstream out(ReadBytes(io / "out"));
    for (std::string line; std::getline(out, line);) run.lines.push_back(json::parse(line));
    run.err = ReadBytes(io / "err");
    return run;
}

// A folder holding the small fixture as "rcv14.dat"; the same state in this
// process as the tool sets up, for comparing.
class DrawResumeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(Fixtures::Small(), Bank());
        m_oldFolder = ProgramFolder::Get();
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        ModGlobal::InitGlobals();
        ProgramFolder::Set(dir.path());
        ModGlobal::CurrentDataFile = "rcv14.dat";
        ModFunzioni::DefineFilters();
        ModFunzioni::DefineExamSets();
        Clock::SetFixedNowText("05/03/2024 09:07:02");
    }
    void TearDown() override
    {
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        BankRandom::ClearTestSeed();
        Clock::SetFixedNowText("");
        ProgramFolder::Set(m_oldFolder);
    }

    fs::path Bank() const { return dir / "rcv14.dat"; }

    // The test as the builder makes it in this process for a row of the topic list.
    static std::vector<json> Built(int row, int32_t order, int32_t count, int32_t start, bool keep, uint32_t seed)
    {
        using namespace ModGlobal;
        BankRandom::SetTestSeed(seed);
        const cFiltroMain& f = Filters.at(static_cast<size_t>(row));
        const bool single = f.UltimoArg < 1 && f.PrimoArg > 0;
        TopicFilter = single ? f.PrimoArg : 0;
        TopicRangeFirst = single ? 0 : f.PrimoArg;
        TopicRangeLast = single ? 0 : f.UltimoArg;
        TopicRangeExtra = single ? 0 : f.ExtraArg;
        GazetteRangeFirst = f.PrimoIDGazzetta;
        GazetteRangeLast = f.UltimoIDGazzetta;
        OrderMode = order;
        QuestionCount = count;
        StartNumber = start;
        KeepAnswerOrder = keep;
        ModFunzioni::EstraiQuesiti();
        std::vector<json> lines;
        for (const auto& q : *TestSet)
            lines.push_back({{"codice", q->Codice},
                             {"gazzetta", q->IDGazzetta},
                             {"argomento", q->Argomento()->ID},
                             {"difficolta", q->Difficolta},
                             {"corretta", q->RispostaCorretta}});
        RecordStore.reset();
        return lines;
    }

    TempDir dir;

private:
    fs::path m_oldFolder;
};

TEST_F(DrawResumeTest, DrawIsTheBuilderRunAsTheStartScreenSetsIt)
{
    ASSERT_FALSE(fs::exists(dir / "rcv14.dat.rec"));
    const auto random = Tool({"draw", Bank().string(), "--seed", "5"});
    ASSERT_EQ(random.exitCode, 0) << random.err;
    EXPECT_EQ(fs::file_size(dir / "rcv14.dat.rec"), 12u * 20u) << "created as the program does";
    EXPECT_EQ(random.lines, Built(0, OrderCasuale, 0, 1, false, 5));
    EXPECT_EQ(Tool({"draw", Bank().string(), "--seed", "5"}).lines, random.lines) << "same seed, same test";
    EXPECT_NE(Tool({"draw", Bank().string(), "--seed", "6"}).lines, random.lines);

    const auto gazette =
        Tool({"draw", Bank().string(), "--filter", "2", "--order", "3", "--start", "3", "--keep-order", "--seed", "1"});
    ASSERT_EQ(gazette.exitCode, 0) << gazette.err;
    ASSERT_EQ(gazette.lines.size(), 2u);
    EXPECT_EQ(gazette.lines[0], (json{{"codice", 7}, {"gazzetta", 103}, {"argomento", 2}, {"difficolta", 3},
                                      {"corretta", 3}}));
    EXPECT_EQ(gazette.lines, Built(2, OrderGazzetta, 0, 3, true, 1));

    const auto counted = Tool({"draw", Bank().string(), "--filter", "1", "--order", "2", "--count", "2", "--seed", "9"});
    EXPECT_EQ(counted.lines, Built(1, OrderMenoProposti, 2, 1, false, 9));
    EXPECT_EQ(counted.lines.size(), 2u);
}

TEST_F(DrawResumeTest, ExamForcesFiftyAndTheWholeList)
{
    const auto exam = Tool({"draw", Bank().string(), "--filter", "2", "--order", "5", "--count", "3", "--seed", "4"});
    ASSERT_EQ(exam.exitCode, 0) << exam.err;
    EXPECT_EQ(exam.lines.size(), 11u) << "every question of the small bank, whatever the row and count";
    EXPECT_EQ(exam.lines, Built(0, OrderEsame, 50, 1, false, 4));
}

TEST_F(DrawResumeTest, DrawRefusals)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{"draw"},
                                                                   {"draw", Bank().string(), "--filter", "4"},
                                                                   {"draw", Bank().string(), "--order", "6"},
                                                                   {"draw", Bank().string(), "--count", "-1"},
                                                                   {"draw", Bank().string(), "--count", "tutti"},
                                                                   {"draw", Bank().string(), "--seed"},
                                                                   {"draw", Bank().string(), "--shuffle"}}) {
        const auto run = Tool(args);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_NE(run.err.find("Usage: tessarondequiz-bank draw"), std::string::npos) << run.err;
        EXPECT_TRUE(run.lines.empty());
    }
    EXPECT_EQ(Tool({"draw", (dir / "assente.dat").string()}).exitCode, 1);

    // Nothing marked wrong: the program's message, nothing on stdout.
    const auto empty = Tool({"draw", Bank().string(), "--order", "4"});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.lines.empty());
    EXPECT_NE(empty.err.find("Nessun quesito trovato per i filtri impostati!"), std::string::npos) << empty.err;
}

TEST_F(DrawResumeTest, ResumeReadsWhatSaveSessionWrote)
{
    Built(0, OrderCasuale, 6, 1, false, 3);
    auto& set = *ModGlobal::TestSet;
    set.Item(1)->RispostaData = set.Item(1)->RispostaCorretta;
    set.Item(2)->RispostaData = set.Item(2)->RispostaCorretta % 4 + 1;
    set.Item(4)->RispostaData = set.Item(4)->RispostaCorretta;
    ASSERT_TRUE(ModFunzioni::SaveSession(dir / "prova.test", 5));

    const auto run = Tool({"resume", Bank().string(), (dir / "prova.test").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 7u);
    EXPECT_EQ(run.lines[0], (json{{"resumeIndex", 4}, {"resumeCorrect", 2}, {"orderMode", 0}}));
    for (int32_t i = 1; i <= 6; ++i) {
        const auto& q = set.Item(i);
        const json& line = run.lines[static_cast<size_t>(i)];
        EXPECT_EQ(line["codice"], q->Codice);
        EXPECT_EQ(line["data"], q->RispostaData);
        if (q->RispostaData != 0) {
            EXPECT_EQ(line["corretta"], q->RispostaCorretta) << "code " << q->Codice;
        }
    }
}

TEST_F(DrawResumeTest, RefusedSessionsPrintTheUsersMessage)
{
    WriteBytes(dir / "altro.test", "tessarondequiz RCV SaveFile \r\nx|0|rcv14.dat|0|0|True|True|0|0|1\r\n1\r\n1;\r\n0\r\n1\r\n");
    auto run = Tool({"resume", Bank().string(), (dir / "altro.test").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(run.err, "Il file selezionato non \xC3\xA8 una sessione creata con questo programma!\n");

    WriteBytes(dir / "lingua.test", "tessarondequiz RCV SaveFile\r\nx|0|rcv15.dat|0|0|True|True|0|0|1\r\n1\r\n1;\r\n0\r\n1\r\n");
    run = Tool({"resume", Bank().string(), (dir / "lingua.test").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Il file selezionato non \xC3\xA8 relativo alla lingua straniera selezionata.\n");

    WriteBytes(dir / "guasto.test", "tessarondequiz RCV SaveFile\r\nx|0|rcv14.dat|0|0|True|True|0|0|1\r\n1\r\n1;2;\r\n1x\r\n11\r\n");
    run = Tool({"resume", Bank().string(), (dir / "guasto.test").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Errore inaspettato nel caricamento della sessione: risposte registrate non valide alla posizione 2.\n");

    EXPECT_EQ(Tool({"resume", Bank().string()}).exitCode, 2);
}

}  // namespace
