// The bank tool's draw and resume, run as a user runs them: draw is the test
// builder as the start screen sets it, resume the start screen's loader.

#include "bank/BankRandom.h"

#include "setup/Clock.h"

#include "support/ProgramTest.h"

#include <nlohmann/json.hpp>

#include <set>

namespace {

using namespace support;

using DrawResume = ProgramTest;

// A test as draw prints it.
std::string Listed(const cQuesiti& test)
{
    std::string listed;
    for (const auto& q : test)
        listed += nlohmann::ordered_json{{"codice", q->Codice}, {"gazzetta", q->IDGazzetta},
                                         {"argomento", q->Argomento()->ID}, {"difficolta", q->Difficolta},
                                         {"corretta", q->RispostaCorretta}}
                      .dump() + "\n";
    return listed;
}

TEST_F(DrawResume, DrawIsTheBuilderRunAsTheStartScreenSetsIt)
{
    const auto run = RunTool(
        {"draw", DataPath().string(), "--filter", "2", "--order", "3", "--start", "3", "--count", "1", "--seed", "9"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(fs::file_size(RecPath()), 12u * 20u) << "created as the program does";

    auto request = Request(2, OrderGazzetta, 1);
    request.StartNumber = 3;
    BankRandom::SetTestSeed(9);
    const auto test = Build(request);
    EXPECT_EQ(run.out, Listed(*test.TestSet));
    EXPECT_EQ(test.TestSet->Count(), 1);
}

TEST_F(DrawResume, DrawOfTheReviewScheduleReadsTheBanksLogForToday)
{
    fs::copy_file(Fixtures::Source("memory/crafted-log/rcv14.log"), LogPath());
    // The tool keeps the real clock: the builder here takes the same day, and a run
    // that crosses midnight is taken again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        Clock::SetFixedNowText("");
        const std::string now = Clock::NowText();
        const auto run = RunTool({"draw", DataPath().string(), "--order", "6", "--count", "9", "--seed", "5"});
        if (Clock::Today() != Clock::DayNumber(now)) continue;
        ASSERT_EQ(run.exitCode, 0) << run.err;
        Clock::SetFixedNowText(now);
        BankRandom::SetTestSeed(5);
        const auto test = Build(Request(0, OrderRipasso, 9));
        EXPECT_EQ(run.out, Listed(*test.TestSet));
        // Long after the log's last day every question answered is due, before those never answered.
        const auto codes = Codes(*test.TestSet);
        ASSERT_EQ(codes.size(), 9u);
        EXPECT_EQ(std::set<int32_t>(codes.begin(), codes.begin() + 7), (std::set<int32_t>{1, 2, 3, 6, 8, 10, 11}));
        return;
    }
    FAIL() << "every run crossed midnight";
}

TEST_F(DrawResume, ResumePrintsWhatTheLoaderRestores)
{
    const auto run = RunTool({"resume", DataPath().string(), Fixtures::Source("sessions/current/session.test").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectFile(Fixtures::Source("sessions/current/resume.txt"), run.out);
}

}  // namespace
