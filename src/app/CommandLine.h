#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The command line, read before the toolkit starts so that --help, --version
// and a mistyped option need no display.
namespace CommandLine {

struct Request {
    // Set when the program ends at once with this status, after printing
    // `output` on standard output and `error` on standard error.
    std::optional<int> exitStatus;
    std::string output;
    std::string error;
    // A suspended test to load at start, made absolute; empty for the usual start.
    std::filesystem::path sessionFile;
};

Request Parse(int argc, const char* const* argv);

// Exit statuses: bad usage, and no screen to open the windows on.
inline constexpr int BadUsage = 2;
inline constexpr int NoScreen = 1;

}  // namespace CommandLine
