#include "bank/ReplaceFile.h"

#include "tools/Commands.h"
#include "tools/SourceCompiler.h"

#include <iostream>

namespace BankTool {

namespace {

// A failed write never leaves a half file.
bool WriteReplacing(const std::filesystem::path& target, const std::string& data)
{
    const auto written = ReplaceFile::Write(target, data);
    if (written) return true;
    if (written.error().step == ReplaceFile::Problem::Step::Rename)
        std::cerr << target.string() << ": cannot replace the file: " << written.error().reason.message() << "\n";
    else
        std::cerr << target.string() << ": cannot write the file\n";
    return false;
}

}  // namespace

int Encode(const Args& args)
{
    const auto result = SourceCompiler::CompileFile(args[0]);
    if (!result.Ok()) {
        for (const auto& e : result.errors) std::cerr << e.ToString() << "\n";
        std::cerr << result.errors.size() << (result.errors.size() == 1 ? " error" : " errors") << "; "
                  << args[1] << " not written\n";
        return ProblemFound;
    }
    for (const auto& w : result.warnings) std::cerr << w.ToString() << " (warning)\n";
    return WriteReplacing(args[1], result.data) ? Success : ProblemFound;
}

}  // namespace BankTool
