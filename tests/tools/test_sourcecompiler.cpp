// The source compiler: a readable bank into the bytes of its data file, or every error with its line.

#include "support/Files.h"

#include "tools/SourceCompiler.h"

#include <gtest/gtest.h>

namespace {

using namespace support;

TEST(SourceCompiler, CompilesEachCaseAsItsExpectedFileSays)
{
    // The errors and warnings, then the data file when there is one.
    for (const auto& dir : Fixtures::Cases("compiler")) {
        const auto result = SourceCompiler::CompileFile(dir / "source.txt");
        std::string report;
        for (const auto& e : result.errors) report += Diagnostic{"source.txt", e.line, e.message}.ToString() + "\n";
        for (const auto& w : result.warnings)
            report += Diagnostic{"source.txt", w.line, w.message}.ToString() + " (warning)\n";
        ExpectFile(dir / "expected.txt", report + result.data);
        EXPECT_TRUE(result.Ok() || result.data.empty()) << dir;
    }
}

}  // namespace
