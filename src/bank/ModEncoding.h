#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The stored form of question texts: three 8-bit characters packed into five
// base-32 digits of a fixed alphabet, least significant digit first. The one
// codec: the program decodes, the bank tool and the tests encode.
namespace ModEncoding {

inline constexpr std::string_view CodecAlphabet = "Q7M2XKD9RZ4HWT6BNJ3PCV8FYG5LSE0A";

// The stored form of a plain cp1252 text: the last group padded with blanks, no separators.
std::string Encode(std::string_view plain);

// The digit a character stands for (lower-case letters as upper case), or
// nothing for a character outside the alphabet.
std::optional<uint32_t> DigitValue(char c);

// Plain text from its stored form. Never fails: "-" separators are skipped, a
// trailing partial group is dropped, and damaged groups decode to something.
std::string Decode(std::string_view encoded);

// Value of one group of five characters (lower case accepted).
uint32_t DecodeGroup(std::string_view group);

// acc + digit * 2^lo (hi is not used).
uint32_t PlaceBits(uint32_t digit, uint32_t acc, int lo, int hi);

}  // namespace ModEncoding
