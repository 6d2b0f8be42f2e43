#pragma once

// Helpers shared by the bank tests: a scratch folder, raw file bytes and small
// banks written from readable lines.

#include "tools/Encoder.h"

#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

namespace banktest {

namespace fs = std::filesystem;
using testfiles::TempDir;
using testfiles::ReadBytes;
using testfiles::WriteBytes;

inline bool IsTextTag(std::string_view tag)
{
    for (const char* t : {"QD:", "NO:", "LE:", "HI:", "IM:", "R1:", "R2:", "R3:", "R4:", "R5:"})
        if (tag == t) return true;
    return false;
}

// A data file from readable lines (cp1252): the value of every text tag is
// written in its stored form, everything else as is; lines end with `eol`.
inline std::string BankText(std::initializer_list<std::string_view> lines, std::string_view eol = "\r\n")
{
    std::string out;
    for (const std::string_view line : lines) {
        if (line.size() >= 3 && IsTextTag(line.substr(0, 3))) {
            out += line.substr(0, 3);
            out += Encoder::Encode(line.substr(3));
        } else {
            out += line;
        }
        out += eol;
    }
    return out;
}

}  // namespace banktest
