#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// 8-bit text files as the program keeps them: bytes unchanged, lines read with
// CR LF or LF endings and written with CR LF.
namespace TextFile {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadAll(const std::filesystem::path& path);

// Lines of a text, without their line ends.
std::vector<std::string_view> SplitLines(std::string_view text);

// The fields of a line between separators: n separators give n + 1 fields.
std::vector<std::string_view> SplitFields(std::string_view text, char separator);

}  // namespace TextFile
