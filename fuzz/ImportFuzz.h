#pragma once

// What every importer promises on any input: each item it leaves out is told
// with a reason, and what it keeps, once through the bank's rules, is written
// as source that compiles into a bank of exactly those questions.
#include "tools/SourceCompiler.h"
#include "tools/import/BankRules.h"
#include "tools/import/SourceWriter.h"

#include "FuzzSupport.h"

#include <algorithm>

inline void CheckImported(Import::Bank bank)
{
    Import::Settle(bank, {});
    for (const auto& d : bank.skipped) FUZZ_CHECK(!d.message.empty() && d.file == bank.input);
    const std::string source = Import::WriteSource(bank, "fuzz");
    if (bank.quesiti.empty()) return;
    const auto compiled = SourceCompiler::Compile(source, "fuzz.txt");
    if (!compiled.Ok()) std::fprintf(stderr, "%s\n", compiled.errors.front().ToString().c_str());
    FUZZ_CHECK(compiled.Ok());
    FUZZ_CHECK(static_cast<size_t>(std::count(source.begin(), source.end(), '\n'))
               >= bank.quesiti.size() * 4);
}
