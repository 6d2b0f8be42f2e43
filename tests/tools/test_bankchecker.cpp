// The bank checker: every problem of a data file, with its line.

#include "support/Files.h"

#include "tools/BankChecker.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace support;

TEST(BankChecker, PassesTheFixtureBanksAndTheShippedOne)
{
    for (const auto& bank :
         {Fixtures::Bank("small"), Fixtures::Bank("five"), Fixtures::Bank("three"), Fixtures::Shipped()}) {
        BankChecker::Summary summary;
        for (const auto& p : BankChecker::CheckFile(bank, &summary)) ADD_FAILURE() << p.ToString();
        EXPECT_GT(summary.questions, 0) << bank;
    }
}

// What only a data file can get wrong: its bytes, its encoded texts and its layout.
class CheckerCase : public ::testing::TestWithParam<fs::path> {};

TEST_P(CheckerCase, ReportsWhatItsExpectedFileSays)
{
    std::string report;
    for (const auto& p : BankChecker::Check(ReadableBank(GetParam() / "bank.txt"), "bank.dat"))
        report += p.ToString() + "\n";
    ExpectFile(GetParam() / "expected.txt", report);
}

INSTANTIATE_TEST_SUITE_P(Checker, CheckerCase, ::testing::ValuesIn(Fixtures::Cases("checker")),
                         [](const auto& info) { return Fixtures::CaseName(info.param); });

TEST(BankChecker, ArbitraryBytesAreReportedNeverFatal)
{
    // Every cut of a good file, damaged at random.
    const std::string good = ReadBytes(Fixtures::Bank("three"));
    std::mt19937 random(20240601);
    for (size_t n = 1; n < good.size(); ++n) {
        std::string damaged = good.substr(0, n);
        for (int k = 0; k < 4; ++k) damaged[random() % n] = static_cast<char>(random() & 0xFF);
        BankChecker::Check(damaged, "damaged.dat");
    }
    EXPECT_FALSE(BankChecker::Check(std::string("\0\xFF\n\r\r\nQI:\n:::", 12), "g.dat").empty());
}

}  // namespace
