#pragma once

#include "setup/TestRequest.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// The bank tool's test: a bank given on the command line, taken as the
// program takes its own data file (its folder as the program folder), and a
// request as the start screen makes one, with the built-in exam composition.
namespace TestState {

// Nothing, with a message on stderr, when the bank cannot be read.
std::optional<TestRequest> UseBank(const std::filesystem::path& bank);

// A whole number of an option value; nothing when it is not one.
std::optional<int64_t> OptionNumber(const std::string& text);

}  // namespace TestState
