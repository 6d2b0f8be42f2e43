#pragma once

#include "tools/import/ImportedBank.h"

#include <filesystem>
#include <optional>
#include <string>

namespace Import {

// A data file as the program loads it, its texts decoded raw (not cleaned for
// display) into UTF-8; a question's line is the line of its "QI:". Nothing
// when the file cannot be read.
std::optional<Bank> LoadDataFile(const std::filesystem::path& path);

// What tells one question from another: its text and its answers, in order.
std::string Identity(const Question& q);

}  // namespace Import
