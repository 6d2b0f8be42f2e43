#pragma once

#include "tools/import/ImportedBank.h"

#include <string>
#include <string_view>

// The text readers: UTF-8 text in, the questions found and every item skipped
// with its line out. None fails; `input` labels the diagnostics.
namespace Import {

Bank ReadAiken(std::string_view text, const std::string& input);
Bank ReadGift(std::string_view text, const std::string& input);
// A file with no header row, or one lacking a needed column, sets `unreadable`.
Bank ReadCsv(std::string_view text, const std::string& input, bool* unreadable = nullptr);
// A document that is no XML at all gives one diagnostic in `skipped` and `unreadable` set.
Bank ReadMoodleXml(std::string_view text, const std::string& input, bool* unreadable = nullptr);

}  // namespace Import
