#include "bank/cDocumento.h"
#include "bank/TextFile.h"

#include "tools/Commands.h"

#include <iostream>

namespace BankTool {

Expected<void> LoadBank(const std::filesystem::path& path, cDocumento& document)
{
    std::error_code ec;
    const auto data = std::filesystem::is_regular_file(path, ec) ? TextFile::ReadAll(path) : std::nullopt;
    if (!data) {
        std::cerr << path.string() << ": cannot read the file\n";
        return Fail(Failure::Kind::Failed, path.string() + ": cannot read the file");
    }
    document.LoadFromData(*data);
    return {};
}

}  // namespace BankTool
