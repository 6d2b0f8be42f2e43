#include "support/Files.h"

#include <cctype>

#include "bank/Cp1252.h"
#include "bank/TextFile.h"

#include "tools/Encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace support {

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "tq-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a temporary folder";
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_directory(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
}

namespace {

std::string EncodedLine(std::string_view line, bool rawMark)
{
    static constexpr std::string_view TextTags[] = {"QD:", "NO:", "LE:", "HI:", "IM:",
                                                    "R1:", "R2:", "R3:", "R4:", "R5:"};
    const bool text = line.size() >= 3 && std::find(std::begin(TextTags), std::end(TextTags), line.substr(0, 3))
                                                != std::end(TextTags);
    if (!text) return std::string(line);
    const std::string_view value = line.substr(3);
    if (rawMark && value.starts_with('=')) return std::string(line.substr(0, 3)) + std::string(value.substr(1));
    return std::string(line.substr(0, 3)) + Encoder::Encode(value);
}

// Bytes from readable text: "\xHH" is one byte; "\r", "\n", "\t" and "\\" as in C.
std::string Unescape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

// The file's text in cp1252.
std::string Cp1252File(const fs::path& path)
{
    const auto text = Cp1252::FromUtf8(ReadBytes(path));
    EXPECT_TRUE(text) << path << " is not UTF-8 text that cp1252 can hold";
    return text.value_or("");
}

}  // namespace

std::string BankText(std::initializer_list<std::string_view> lines, std::string_view eol)
{
    std::string out;
    for (const std::string_view line : lines) {
        out += EncodedLine(line, false);
        out += eol;
    }
    return out;
}

std::vector<TableRow> TableRows(const fs::path& path)
{
    std::vector<TableRow> rows;
    const std::string text = Cp1252File(path);
    int number = 0;
    for (const std::string_view line : TextFile::SplitLines(text)) {
        ++number;
        if (line.empty() || line.starts_with('#')) continue;
        TableRow row{path.stem().string(), number, {}};
        for (size_t start = 0;;) {
            const size_t tab = line.find('\t', start);
            row.cells.push_back(Unescape(line.substr(start, tab == std::string_view::npos ? tab : tab - start)));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::vector<std::string>> Table(const fs::path& path)
{
    std::vector<std::vector<std::string>> rows;
    for (auto& row : TableRows(path)) rows.push_back(std::move(row.cells));
    return rows;
}

std::string RowName(const ::testing::TestParamInfo<TableRow>& info)
{
    std::string name = info.param.file + "_line_" + std::to_string(info.param.line);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

void PrintTo(const TableRow& row, std::ostream* os) { *os << row.file << ":" << row.line; }

std::string ReadableBank(const fs::path& path)
{
    const std::string text = Cp1252File(path);
    std::string out;
    for (size_t start = 0; start < text.size();) {
        const size_t eol = text.find('\n', start);
        out += EncodedLine(Unescape(std::string_view(text).substr(start, eol - start)), true);
        if (eol == std::string::npos) break;
        out += "\r\n";
        start = eol + 1;
    }
    return out;
}

namespace Fixtures {

fs::path Dir() { return fs::path(TQ_BUILD_DIR) / "fixtures"; }
fs::path Bank(const std::string& name) { return Dir() / (name + ".dat"); }
fs::path Source(const std::string& relative) { return fs::path(TQ_FIXTURES_DIR) / relative; }
fs::path Shipped() { return fs::path(TQ_PROGRAM_DIR) / "rcv14.dat"; }

std::vector<fs::path> Cases(const std::string& group)
{
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(Source(group)))
        if (entry.is_directory()) cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    return cases;
}

}  // namespace Fixtures

void ExpectFile(const fs::path& expected, const std::string& actual)
{
    const char* regenerate = std::getenv("TQ_REGENERATE");
    if (regenerate && *regenerate && std::string_view(regenerate) != "0") {
        WriteBytes(expected, actual);
        return;
    }
    ASSERT_TRUE(fs::exists(expected)) << expected << " is missing: run with TQ_REGENERATE=1 to write it";
    EXPECT_EQ(ReadBytes(expected), actual) << "differs from " << expected;
}

}  // namespace support
