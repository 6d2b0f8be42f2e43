#pragma once

// Helpers shared by the bank tests: a scratch folder, raw file bytes and small
// banks written from readable lines.

#include "Encoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

namespace banktest {

namespace fs = std::filesystem;

// A fresh folder removed at the end of the test.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "tq-bank-XXXXXX").string();
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a temporary folder";
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return m_path; }
    fs::path operator/(const std::string& name) const { return m_path / name; }

private:
    fs::path m_path;
};

inline void WriteBytes(const fs::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

inline std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
