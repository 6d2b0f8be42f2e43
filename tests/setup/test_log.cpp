// The settings description and the log file beside the bank.

#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/ModFunzioni.h"
#include "setup/TestSettings.h"

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

namespace {

using namespace support;
namespace G = ModGlobal;

class LogTest : public ProgramTest {
protected:
    static void SetSettings()
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
    EXPECT_EQ(ModFunzioni::DescribeSettings(), "05/03/2024 09:07:02|0|rcv14.dat|0|0|False|True|0|0|1");
    SetSettings();
    EXPECT_EQ(ModFunzioni::DescribeSettings(), "05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|5");
    // The real clock, day first.
    Clock::SetFixedNowText("");
    const std::string now = Clock::NowText();
    ASSERT_EQ(now.size(), 19u) << now;
    EXPECT_EQ(now.substr(2, 1) + now.substr(5, 1) + now.substr(10, 1) + now.substr(13, 1), "// :") << now;
}

TEST_F(LogTest, LinesAreAppendedWithCrLfBesideTheBank)
{
    EXPECT_EQ(ModFunzioni::LogFilePath(), LogPath());
    WriteBytes(LogPath(), "DOM:earlier\r\n");
    SetSettings();
    ModFunzioni::WriteLog("DOM:" + ModFunzioni::DescribeSettings());
    ModFunzioni::WriteLog("DOM:05/03/2024 09:08:00|12|1");
    EXPECT_EQ(ReadBytes(LogPath()),
              "DOM:earlier\r\n"
              "DOM:05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|5\r\n"
              "DOM:05/03/2024 09:08:00|12|1\r\n");
}

TEST_F(LogTest, UnwritableLogIsIgnored)
{
    // A folder in the way fails even for root.
    fs::create_directory(LogPath());
    EXPECT_NO_THROW(ModFunzioni::WriteLog("DOM:x"));
    ProgramFolder::Set(ProgramDir() / "missing");
    EXPECT_NO_THROW(ModFunzioni::WriteLog("DOM:x"));
    EXPECT_FALSE(fs::exists(ProgramDir() / "missing"));
}

}  // namespace
