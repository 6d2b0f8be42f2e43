// The bank tool's import command on case folders: each holds an input, the
// arguments, the source it must write, its diagnostics and its exit status;
// whatever it writes must compile.

#include "support/ProgramTest.h"

#include "tools/SourceCompiler.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace support;

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> Lines(const fs::path& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

fs::path InputOf(const fs::path& dir)
{
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().stem() == "input") return entry.path();
    return {};
}

// The format of an update case is told by its input's extension.
std::string FormatOf(const std::string& group, const fs::path& input)
{
    if (group != "update") return group;
    const std::string ext = input.extension().string();
    return ext == ".csv" ? "csv" : ext == ".gift" ? "gift" : ext == ".xml" ? "moodle-xml" : "aiken";
}

TEST(Import, EachCaseAsItsFolderSays)
{
    for (const std::string group : {"aiken", "gift", "moodle-xml", "csv", "pdf", "update"}) {
        for (const auto& dir : Fixtures::Cases("import/" + group)) {
            SCOPED_TRACE(dir.string());
            TempDir temp;
            const fs::path input = InputOf(dir);
            std::vector<std::string> args = {"import", FormatOf(group, input), input.string()};
            for (const auto& a : Lines(dir / "args.txt")) args.push_back(fs::exists(dir / a) ? (dir / a).string() : a);
            if (fs::exists(dir / "old.txt")) {
                const auto old = SourceCompiler::CompileFile(dir / "old.txt");
                ASSERT_TRUE(old.Ok());
                WriteBytes(temp / "old.dat", old.data);
                args.insert(args.end(), {"--update", (temp / "old.dat").string()});
            }
            const auto run = RunTool(args);
            const std::string where = dir.string() + "/";
            ExpectFile(dir / "expected.txt", run.out);
            ExpectFile(dir / "diagnostics.txt", Replaced(Replaced(run.err, where, ""), temp.path().string() + "/", ""));
            ExpectFile(dir / "status.txt", std::to_string(run.exitCode) + "\n");
            if (!run.out.empty()) {
                const auto compiled = SourceCompiler::Compile(run.out, "expected.txt");
                EXPECT_TRUE(compiled.Ok()) << (compiled.errors.empty() ? "" : compiled.errors.front().ToString());
            }
        }
    }
}

}  // namespace
