#pragma once

#include <filesystem>

// The user's documents folder, where finished documents are saved:
// $XDG_DOCUMENTS_DIR, or "Documents" in the home folder. Tests point it
// at a folder of their own.
namespace DocumentsFolder {

std::filesystem::path Get();
// An empty path returns to the user's folder.
void Set(const std::filesystem::path& folder);

}  // namespace DocumentsFolder
