#pragma once

#include <optional>
#include <string>

// The options answered before the toolkit starts, so that they need no display.
namespace CommandLine {

// The text for --help (or -h) or --version among the arguments; nothing when
// neither is there and the program starts as usual.
std::optional<std::string> InfoText(int argc, const char* const* argv);

}  // namespace CommandLine
