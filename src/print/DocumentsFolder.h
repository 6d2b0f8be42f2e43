#pragma once

#include <filesystem>

// The user's documents folder, where finished documents are saved (and made
// when missing). The print wizard sets the desktop's own, which may be
// "Documenti" or any folder the user chose; tests set one of their own.
namespace DocumentsFolder {

// Empty until set.
std::filesystem::path Get();
void Set(const std::filesystem::path& folder);

}  // namespace DocumentsFolder
