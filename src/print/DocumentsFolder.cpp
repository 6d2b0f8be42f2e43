#include "print/DocumentsFolder.h"

namespace DocumentsFolder {

namespace {

std::filesystem::path& Folder()
{
    static std::filesystem::path folder;
    return folder;
}

}  // namespace

std::filesystem::path Get() { return Folder(); }

void Set(const std::filesystem::path& folder) { Folder() = folder; }

}  // namespace DocumentsFolder
