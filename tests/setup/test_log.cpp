// The settings description and the log file beside the bank.

#include "SetupTestSupport.h"

#include <unistd.h>

using namespace setuptest;
namespace G = ModGlobal;

namespace {

class LogTest : public SetupTest {
protected:
    void SetSettings()
    {
        G::TopicFilter = 2;
        G::OrderMode = 3;
        G::QuestionCount = 30;
        G::KeepAnswerOrder = true;
        G::RecordWrongAnswers = false;
        G::TimeLimitHours = 1;
        G::TimeLimitMinutes = 15;
        G::StartNumber = 5;
    }
};

TEST_F(LogTest, DescribeSettingsJoinsTheTenFields)
{
    SetSettings();
    EXPECT_EQ(ModFunzioni::DescribeSettings(), "05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|5");
    G::ResetTestSettings();
    EXPECT_EQ(ModFunzioni::DescribeSettings(), "05/03/2024 09:07:02|0|rcv14.dat|0|0|False|True|0|0|1");
}

TEST_F(LogTest, RealClockUsesDayMonthYear)
{
    Clock::SetFixedNowText("");
    const std::string now = Clock::NowText();
    ASSERT_EQ(now.size(), 19u) << now;
    EXPECT_EQ(now[2], '/');
    EXPECT_EQ(now[5], '/');
    EXPECT_EQ(now[10], ' ');
    EXPECT_EQ(now[13], ':');
}

TEST_F(LogTest, LinesAreAppendedWithCrLfBesideTheBank)
{
    EXPECT_EQ(ModFunzioni::LogFilePath(), folder / "rcv14.log");
    WriteBytes(folder / "rcv14.log", "DOM:earlier\r\n");
    SetSettings();
    ModFunzioni::WriteLog("DOM:" + ModFunzioni::DescribeSettings());
    ModFunzioni::WriteLog("DOM:05/03/2024 09:08:00|12|1");
    EXPECT_EQ(ReadBytes(folder / "rcv14.log"),
              "DOM:earlier\r\n"
              "DOM:05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|5\r\n"
              "DOM:05/03/2024 09:08:00|12|1\r\n");
}

TEST_F(LogTest, UnwritableLogIsIgnored)
{
    // A folder in the way fails even for root.
    fs::create_directory(folder / "rcv14.log");
    EXPECT_NO_THROW(ModFunzioni::WriteLog("DOM:x"));
    EXPECT_TRUE(fs::is_directory(folder / "rcv14.log"));

    ProgramFolder::Set(folder / "missing");
    EXPECT_NO_THROW(ModFunzioni::WriteLog("DOM:x"));
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

}  // namespace
