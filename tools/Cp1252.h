#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 <-> UTF-8 for the bank tool (the program converts with Qt).
namespace Cp1252 {

std::string ToUtf8(std::string_view cp1252);

// Nothing when the text is not valid UTF-8 or holds a character cp1252 lacks;
// badOffset then receives the byte offset of the first such character.
std::optional<std::string> FromUtf8(std::string_view utf8, size_t* badOffset = nullptr);

}  // namespace Cp1252
