#pragma once

#include "bank/Diagnostic.h"

#include <filesystem>
#include <string>
#include <string_view>

// Compiles a bank in readable form into the bytes of its data file.
//
// The readable form is UTF-8 text with the data file's own tags, one item per
// line, texts plain; lines starting with "#" and blank lines are ignored, lines
// may end in LF or CR LF, and a question's lines may come in any order. The
// bank must keep DataFileRules; it is written by DataFileWriter, in the data
// file's own layout.
namespace SourceCompiler {

struct Result {
    std::string data;    // the data file's bytes; empty when errors is not
    Diagnostics errors;  // "file:line: message", in line order
    // Not fatal: images the questions name that are missing beside the source (CompileFile only).
    Diagnostics warnings;

    bool Ok() const { return errors.empty(); }
};

// fileName only labels the messages.
Result Compile(std::string_view source, const std::string& fileName);

// A file that cannot be read gives one error.
Result CompileFile(const std::filesystem::path& path);

}  // namespace SourceCompiler
