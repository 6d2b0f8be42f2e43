#pragma once

#include "bank/Diagnostic.h"

#include <filesystem>
#include <string>
#include <string_view>

// Strict validation of a data file: everything the program's loader silently
// tolerates is reported with its line number. Any bytes are accepted as input.
namespace BankChecker {

struct Summary {
    int topics = 0;
    int questions = 0;
};

// fileName only labels the messages; summary, when given, receives the counts seen.
Diagnostics Check(std::string_view data, const std::string& fileName, Summary* summary = nullptr);

// A file that cannot be read gives one problem.
Diagnostics CheckFile(const std::filesystem::path& path, Summary* summary = nullptr);

}  // namespace BankChecker
