#pragma once

#include <filesystem>

// The folder of the executable, where the bank, its ".rec" and ".log" live.
// Tests point it at a folder of their own.
namespace ProgramFolder {

std::filesystem::path Get();
void Set(const std::filesystem::path& folder);

}  // namespace ProgramFolder
