#include "DocumentsFolder.h"

#include <cstdlib>

namespace DocumentsFolder {

namespace {

std::filesystem::path& Override()
{
    static std::filesystem::path folder;
    return folder;
}

}  // namespace

std::filesystem::path Get()
{
    if (!Override().empty()) return Override();
    if (const char* xdg = std::getenv("XDG_DOCUMENTS_DIR"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / "Documents";
    return std::filesystem::current_path() / "Documents";
}

void Set(const std::filesystem::path& folder) { Override() = folder; }

}  // namespace DocumentsFolder
