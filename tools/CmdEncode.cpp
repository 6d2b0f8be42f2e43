#include "tools/Commands.h"
#include "tools/SourceCompiler.h"

#include <fstream>
#include <iostream>
#include <unistd.h>

namespace BankTool {

namespace {

// Writes beside the target and renames, so a failed write never leaves a half file.
bool WriteReplacing(const std::filesystem::path& target, const std::string& data)
{
    const auto temp = target.parent_path()
                      / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()));
    std::error_code ec;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temp, ec);
            std::cerr << target.string() << ": cannot write the file\n";
            return false;
        }
    }
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        std::cerr << target.string() << ": cannot replace the file: " << ec.message() << "\n";
        return false;
    }
    return true;
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
