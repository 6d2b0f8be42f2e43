// The source compiler: a readable bank into the bytes of its data file, or every error with its line.

#include "support/Files.h"

#include "tools/SourceCompiler.h"

#include <gtest/gtest.h>

namespace {

using namespace support;

// What only a readable source can get wrong, and the layout it is written in:
// the errors and warnings, then the data file when there is one.
class CompilerCase : public ::testing::TestWithParam<fs::path> {};

TEST_P(CompilerCase, CompilesAsItsExpectedFileSays)
{
    const auto result = SourceCompiler::CompileFile(GetParam() / "source.txt");
    std::string report;
    for (const auto& e : result.errors) report += Diagnostic{"source.txt", e.line, e.message}.ToString() + "\n";
    for (const auto& w : result.warnings)
        report += Diagnostic{"source.txt", w.line, w.message}.ToString() + " (warning)\n";
    ExpectFile(GetParam() / "expected.txt", report + result.data);
    EXPECT_TRUE(result.Ok() || result.data.empty());
}

INSTANTIATE_TEST_SUITE_P(Compiler, CompilerCase, ::testing::ValuesIn(Fixtures::Cases("compiler")),
                         [](const auto& info) { return Fixtures::CaseName(info.param); });

}  // namespace
