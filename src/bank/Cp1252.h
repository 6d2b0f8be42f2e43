#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 <-> UTF-8: the one conversion between the core's 8-bit texts
// and the Unicode of windows, documents and the bank tool's sources.
namespace Cp1252 {

std::string ToUtf8(std::string_view cp1252);

// Nothing when the text is not valid UTF-8 or holds a character cp1252 lacks;
// badOffset then receives the byte offset of the first such character.
std::optional<std::string> FromUtf8(std::string_view utf8, size_t* badOffset = nullptr);
// Characters cp1252 cannot hold, and bytes that are not UTF-8, become "?".
std::string FromUtf8Lenient(std::string_view utf8);

}  // namespace Cp1252
