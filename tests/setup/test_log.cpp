// The settings line (the log's build line and line 2 of a suspended test) and
// the log file beside the bank.

#include "bank/BankFiles.h"
#include "bank/ProgramFolder.h"

#include "setup/AnswerLog.h"
#include "setup/Clock.h"
#include "setup/SettingsLine.h"

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

namespace {

using namespace support;

class LogTest : public ProgramTest {
protected:
    static TestRequest Settings()
    {
        TestRequest r = Request(2, OrderGazzetta, 30);
        r.KeepAnswerOrder = true;
        r.RecordWrongAnswers = false;
        r.TimeLimitHours = 1;
        r.TimeLimitMinutes = 15;
        r.StartNumber = 5;
        return r;
    }
};

TEST_F(LogTest, DescribeSettingsJoinsTheTenFieldsAndReadsThemBack)
{
    EXPECT_EQ(SettingsLine::DescribeSettings(Request(0, OrderCasuale), Clock::NowText()),
              "05/03/2024 09:07:02|0|rcv14.dat|0|0|False|True|0|0|1");
    const std::string line = SettingsLine::DescribeSettings(Settings(), Clock::NowText());
    EXPECT_EQ(line, "05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|5");
    const auto read = SettingsLine::Read(line, {});
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->complete);
    EXPECT_EQ(SettingsLine::DescribeSettings(read->request, read->when), line);
    // The last three fields are not needed to load a test.
    const auto seven = SettingsLine::Read("x|2|rcv14.dat|3|30|Vero|0", Settings());
    ASSERT_TRUE(seven);
    EXPECT_FALSE(seven->complete);
    EXPECT_EQ(seven->request.StartNumber, 5) << "the base request's";
    EXPECT_EQ(SettingsLine::Read("x|2|rcv14.dat|3|30|Vero", {}).error().description, "riga delle impostazioni incompleta");
    EXPECT_EQ(SettingsLine::Read("x|2|rcv14.dat|3|tutti|Vero|0", {}).error().description,
              "valore non numerico: \"tutti\"");
    // The real clock, day first.
    Clock::SetFixedNowText("");
    const std::string now = Clock::NowText();
    ASSERT_EQ(now.size(), 19u) << now;
    EXPECT_EQ(now.substr(2, 1) + now.substr(5, 1) + now.substr(10, 1) + now.substr(13, 1), "// :") << now;
}

TEST_F(LogTest, EveryKindOfLineIsAppendedWithCrLfBesideTheBank)
{
    const AnswerLog log(BankFiles::For("rcv14.dat").log);
    EXPECT_EQ(log.File(), LogPath());
    WriteBytes(LogPath(), "DOM:earlier\r\n");
    log.WriteBuild(Settings());
    log.WriteAnswer(12, true);
    log.WriteAnswer(3, false);
    log.WriteReset(2);
    EXPECT_EQ(ReadBytes(LogPath()),
              "DOM:earlier\r\n"
              "DOM:05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|5\r\n"
              "DOM:05/03/2024 09:07:02|12|1\r\n"
              "DOM:05/03/2024 09:07:02|3|0\r\n"
              "DOM:05/03/2024 09:07:02|AZZERA|2\r\n");
}

TEST_F(LogTest, UnwritableLogIsIgnored)
{
    // A folder in the way fails even for root.
    fs::create_directory(LogPath());
    EXPECT_NO_THROW(AnswerLog(LogPath()).WriteAnswer(1, true));
    EXPECT_NO_THROW(AnswerLog(ProgramDir() / "missing" / "rcv14.log").WriteAnswer(1, true));
    EXPECT_NO_THROW(AnswerLog().WriteAnswer(1, true));
    EXPECT_FALSE(fs::exists(ProgramDir() / "missing"));
}

}  // namespace
