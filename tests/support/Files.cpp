#include "support/Files.h"

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

std::string BankText(std::initializer_list<std::string_view> lines, std::string_view eol)
{
    static constexpr std::string_view TextTags[] = {"QD:", "NO:", "LE:", "HI:", "IM:",
                                                    "R1:", "R2:", "R3:", "R4:", "R5:"};
    std::string out;
    for (const std::string_view line : lines) {
        const bool text = line.size() >= 3 && std::find(std::begin(TextTags), std::end(TextTags), line.substr(0, 3))
                                                   != std::end(TextTags);
        out += text ? std::string(line.substr(0, 3)) + Encoder::Encode(line.substr(3)) : std::string(line);
        out += eol;
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
