#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// The program's state as the start screen leaves it for a bank: the bank
// looked up in its own folder first, its file as the current data file, the
// built-in topic list and exam composition, and fresh test settings.
namespace TestState {

// False, with a message on stderr, when the bank cannot be read.
bool UseBank(const std::filesystem::path& bank);

// A whole number of an option value; nothing when it is not one.
std::optional<int64_t> OptionNumber(const std::string& text);

}  // namespace TestState
