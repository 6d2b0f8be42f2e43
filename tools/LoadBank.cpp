#include "bank/cDocumento.h"

#include "tools/Commands.h"

#include <fstream>
#include <iostream>

namespace BankTool {

bool LoadBank(const std::filesystem::path& path, cDocumento& document)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary)) {
        std::cerr << path.string() << ": cannot read the file\n";
        return false;
    }
    document.LoadFromText(path);
    return true;
}

}  // namespace BankTool
