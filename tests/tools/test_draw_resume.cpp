// The bank tool's draw and resume, run as a user runs them: draw is the test
// builder as the start screen sets it, resume the start screen's loader.

#include "bank/BankRandom.h"

#include "support/ProgramTest.h"

#include <nlohmann/json.hpp>

namespace {

using namespace support;

using DrawResume = ProgramTest;

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
    std::string built;
    for (const auto& q : *test.TestSet)
        built += nlohmann::ordered_json{{"codice", q->Codice}, {"gazzetta", q->IDGazzetta},
                                        {"argomento", q->Argomento()->ID}, {"difficolta", q->Difficolta},
                                        {"corretta", q->RispostaCorretta}}
                     .dump() + "\n";
    EXPECT_EQ(run.out, built);
    EXPECT_EQ(test.TestSet->Count(), 1);
}

TEST_F(DrawResume, ResumePrintsWhatTheLoaderRestores)
{
    const auto run = RunTool({"resume", DataPath().string(), Fixtures::Source("sessions/current/session.test").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectFile(Fixtures::Source("sessions/current/resume.txt"), run.out);
}

}  // namespace
