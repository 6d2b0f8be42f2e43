#pragma once

// Scratch folders, whole files, readable banks and the fixture files of tests/fixtures.

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace support {

namespace fs = std::filesystem;

// A folder removed with everything in it, even what a test made read-only.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return m_path; }
    fs::path operator/(const std::string& name) const { return m_path / name; }

private:
    fs::path m_path;
};

std::string ReadBytes(const fs::path& path);
void WriteBytes(const fs::path& path, std::string_view bytes);

// A data file from readable lines (cp1252): the value of every text tag is
// written in its stored form, everything else as it is.
std::string BankText(std::initializer_list<std::string_view> lines, std::string_view eol = "\r\n");

// The rows of a table file (UTF-8): one row a line, cells separated by tabs,
// each cell in cp1252 with the escapes "\xHH" (a byte), "\r", "\n", "\t" and
// "\\"; blank lines and "#" lines are skipped.
std::vector<std::vector<std::string>> Table(const fs::path& path);

// One row of a table file with the line it stands on, for one named test per row
// (INSTANTIATE_TEST_SUITE_P(..., ValuesIn(TableRows(path)), RowName)).
struct TableRow {
    std::string file;  // the table's name, without folder and extension
    int line = 0;
    std::vector<std::string> cells;
};
std::vector<TableRow> TableRows(const fs::path& path);
// "decode_line_12"
std::string RowName(const ::testing::TestParamInfo<TableRow>& info);
void PrintTo(const TableRow& row, std::ostream* os);

// A data file from a readable bank file (UTF-8), damaged ones too: every
// line, with the escapes of Table, as BankText takes it, except that a text
// tag followed by "=" keeps its value as written (stored text typed as it is).
// Lines end with CR LF, the last one only when the file's does.
std::string ReadableBank(const fs::path& path);

// The fixture banks, encoded at build time from tests/fixtures/NAME.txt into
// <build>/fixtures/NAME.dat, with the fixture images beside them.
namespace Fixtures {
fs::path Dir();
fs::path Bank(const std::string& name);
// The readable source of a fixture bank, and any other file under tests/fixtures.
fs::path Source(const std::string& relative);
// The shipped bank in the program folder.
fs::path Shipped();
// The case folders of tests/fixtures/<group>, sorted by name.
std::vector<fs::path> Cases(const std::string& group);
}  // namespace Fixtures

// Compares `actual` with the expected file; with TQ_REGENERATE=1 in the
// environment the file is written instead (new or changed expectations).
void ExpectFile(const fs::path& expected, const std::string& actual);

}  // namespace support
