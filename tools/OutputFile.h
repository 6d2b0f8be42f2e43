#pragma once

#include <filesystem>
#include <string>

namespace BankTool {

// Writes a command's output file whole or not at all (bank/ReplaceFile);
// false, with a message on stderr, when it fails.
bool WriteReplacing(const std::filesystem::path& target, const std::string& data);

}  // namespace BankTool
