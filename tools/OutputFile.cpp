#include "tools/OutputFile.h"

#include "bank/ReplaceFile.h"

#include <iostream>

namespace BankTool {

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

}  // namespace BankTool
