#pragma once

#include <string>
#include <string_view>

// Turns a decoded question text (cp1252) into the text shown to the user:
// markup to plain signs, runs of blanks to one, entities to characters, trimmed.
std::string CleanForDisplay(std::string_view decoded);
