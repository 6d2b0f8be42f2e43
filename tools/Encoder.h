#pragma once

#include <string>
#include <string_view>

// The stored form of a plain cp1252 text: the inverse of ModEncoding::Decode.
// Only the bank tool encodes; the program never does.
namespace Encoder {

std::string Encode(std::string_view plain);

}  // namespace Encoder
