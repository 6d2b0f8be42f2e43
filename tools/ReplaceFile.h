#pragma once

#include <filesystem>
#include <string>

namespace BankTool {

// Writes beside the target and renames, so a failed write never leaves a half
// file; false, with a message on stderr, when it fails.
bool WriteReplacing(const std::filesystem::path& target, const std::string& data);

}  // namespace BankTool
