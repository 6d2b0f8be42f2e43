#include "tools/ReplaceFile.h"

#include <fstream>
#include <iostream>
#include <unistd.h>

namespace BankTool {

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

}  // namespace BankTool
