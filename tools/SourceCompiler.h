#pragma once

#include "tools/Diagnostic.h"

#include <filesystem>
#include <string>
#include <string_view>

// Compiles a bank in readable form into the bytes of its data file.
//
// The readable form is UTF-8 text with the data file's own tags, one item per
// line, texts plain; lines starting with "#" and blank lines are ignored, lines
// may end in LF or CR LF. The data file is cp1252 with CR LF line ends, every
// question text in the codec's stored form, the question lines in the file's
// order (QI, QD, NO, LE, HI, IM, R1..R4, R5 in a bank of five answers) and every
// answer line written, empty when the source has none.
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
