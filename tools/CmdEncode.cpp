#include "tools/Commands.h"
#include "tools/OutputFile.h"
#include "tools/SourceCompiler.h"

#include <iostream>

namespace BankTool {

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
