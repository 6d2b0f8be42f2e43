// The rules of a bank, one case folder each under tests/fixtures/rules: the
// compiler, reading the bank as a readable source, and the checker, reading
// it encoded as a data file, report exactly what the case's expected file says.

#include "support/Files.h"

#include "tools/BankChecker.h"
#include "tools/SourceCompiler.h"

#include <gtest/gtest.h>

namespace {

using namespace support;

std::string Report(const Diagnostics& found)
{
    std::string report;
    for (const auto& d : found) report += d.ToString() + "\n";
    return report;
}

class RuleCase : public ::testing::TestWithParam<fs::path> {};

TEST_P(RuleCase, CompilerAndCheckerReportIt)
{
    const fs::path bank = GetParam() / "bank.txt";
    const auto compiled = SourceCompiler::Compile(ReadBytes(bank), "bank.txt");
    ExpectFile(GetParam() / "expected.txt", Report(compiled.errors));
    EXPECT_FALSE(compiled.Ok()) << "a case breaks its rule";
    EXPECT_EQ(Report(BankChecker::Check(ReadableBank(bank), "bank.txt")), Report(compiled.errors));
}

INSTANTIATE_TEST_SUITE_P(Rules, RuleCase, ::testing::ValuesIn(Fixtures::Cases("rules")),
                         [](const auto& info) { return Fixtures::CaseName(info.param); });

}  // namespace
