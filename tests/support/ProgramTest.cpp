#include "support/ProgramTest.h"

#include "bank/BankRandom.h"
#include "bank/cRecordBase.h"
#include "bank/DataFolders.h"
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/Competition.h"

#include <sys/wait.h>

#include <cstdlib>

namespace support {

void ProgramTest::SetUp()
{
    fs::create_directories(ProgramDir());
    fs::create_directories(TempFolder());
    m_oldProgramFolder = ProgramFolder::Get();
    m_oldUserFolder = DataFolders::UserDataFolder();
    ProgramFolder::Set(ProgramDir());
    DataFolders::SetUserDataFolder(UserDir());
    // An installed bank on the machine is never found.
    DataFolders::SetDesktopDataFolders({root / "desktop"});
    DataFolders::SetTempFolder(TempFolder());
    Clock::SetFixedNowText("05/03/2024 09:07:02");
    BankRandom::SetTestSeed(7);
    UseBank("small");
}

void ProgramTest::TearDown()
{
    BankRandom::ClearTestSeed();
    Clock::SetFixedNowText("");
    DataFolders::SetTempFolder({});
    DataFolders::SetDesktopDataFolders({});
    DataFolders::SetUserDataFolder(m_oldUserFolder);
    ProgramFolder::Set(m_oldProgramFolder);
}

void ProgramTest::UseBank(const std::string& fixture)
{
    ASSERT_TRUE(fs::exists(Fixtures::Bank(fixture))) << "fixture bank " << fixture << " not built";
    fs::copy_file(Fixtures::Bank(fixture), DataPath(), fs::copy_options::overwrite_existing);
}

void ProgramTest::WriteBank(std::string_view bytes) { WriteBytes(DataPath(), bytes); }

void ProgramTest::WriteStats(const std::vector<std::pair<int32_t, cRecordSpec>>& records, int32_t count)
{
    std::error_code ec;
    fs::remove(RecPath(), ec);
    cRecordBase store;
    ASSERT_TRUE(store.CreateNew(RecPath()));
    for (int32_t i = 1; i <= count; ++i) store.ClearRecord(i);
    for (const auto& [codice, rec] : records) ASSERT_TRUE(store.WriteRecord(codice, rec));
}

cRecordSpec ProgramTest::Stat(int32_t codice) const
{
    cRecordBase store;
    EXPECT_TRUE(store.OpenExisting(RecPath()));
    return store.ReadRecord(codice);
}

TestRequest Request(int row, int32_t orderMode, int32_t count)
{
    TestRequest request;
    request.CurrentDataFile = "rcv14.dat";
    request.ExamSets = Competition::ExamSets();
    request.ApplyTopicFilter(Competition::Filters().at(static_cast<size_t>(row)));
    request.OrderMode = orderMode;
    request.QuestionCount = count;
    return request;
}

ModFunzioni::BuiltTest Build(const TestRequest& request)
{
    auto built = ModFunzioni::EstraiQuesiti(request);
    EXPECT_TRUE(built) << (built ? "" : built.error().description);
    return built ? *built : ModFunzioni::BuiltTest{};
}

std::vector<int32_t> Codes(const cQuesiti& test)
{
    std::vector<int32_t> codes;
    for (const auto& q : test) codes.push_back(q->Codice);
    return codes;
}

cRecordSpec Record(int32_t views, int32_t right, int32_t wrong, int32_t mark, int32_t skipped)
{
    return {views, skipped, right, wrong, mark};
}

namespace {

std::string Quote(const std::string& s)
{
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args)
{
    TempDir io;
    std::string command = Quote(TQ_PROGRAM_DIR "/tessarondequiz-bank");
    for (const auto& a : args) command += " " + Quote(a);
    command += " >" + Quote((io / "out").string()) + " 2>" + Quote((io / "err").string());
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(io / "out");
    run.err = ReadBytes(io / "err");
    return run;
}

}  // namespace support
