#include "bank/ProgramFolder.h"

#include <system_error>

namespace ProgramFolder {

namespace {

std::filesystem::path& Stored()
{
    static std::filesystem::path folder = [] {
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        return ec ? std::filesystem::current_path() : exe.parent_path();
    }();
    return folder;
}

}  // namespace

std::filesystem::path Get() { return Stored(); }

void Set(const std::filesystem::path& folder) { Stored() = folder; }

}  // namespace ProgramFolder
