#pragma once

#include <string>
#include <string_view>
#include <vector>

// One problem found in a bank file, reported by the bank tool as "file:line:
// message". Messages are English: they are for the bank's maintainers.
struct Diagnostic {
    std::string file;
    int line = 0;  // 0 when the problem concerns the whole file
    std::string message;

    std::string ToString() const
    {
        return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
    }
};

using Diagnostics = std::vector<Diagnostic>;

// A byte string shown in a message: printable ASCII as is, anything else as \xNN.
std::string Printable(std::string_view bytes, size_t maxLength = 40);
