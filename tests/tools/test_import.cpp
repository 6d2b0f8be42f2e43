// The bank tool's import command on case folders: each holds an input, the
// arguments, the source it must write, its diagnostics and its exit status;
// whatever it writes must compile.

#include "support/ProgramTest.h"

#include "tools/SourceCompiler.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Every case folder of every format, one named test each ("csv_malformed").
std::vector<fs::path> AllCases()
{
    std::vector<fs::path> cases;
    for (const std::string group : {"aiken", "gift", "moodle-xml", "csv", "pdf", "update"})
        for (const auto& dir : Fixtures::Cases("import/" + group)) cases.push_back(dir);
    return cases;
}

class ImportCase : public ::testing::TestWithParam<fs::path> {};

TEST_P(ImportCase, AsItsFolderSays)
{
    const fs::path& dir = GetParam();
    const std::string group = dir.parent_path().filename().string();
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

INSTANTIATE_TEST_SUITE_P(Cases, ImportCase, ::testing::ValuesIn(AllCases()), [](const auto& info) {
    std::string name = info.param.parent_path().filename().string() + "_" + info.param.filename().string();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST(Import, CheckAgainstTellsWhatWouldMoveStatistics)
{
    TempDir temp;
    const fs::path update = Fixtures::Source("import/update/positions");
    const auto write = [&](const std::string& name, const std::string& source) {
        const auto compiled = SourceCompiler::Compile(source, name);
        EXPECT_TRUE(compiled.Ok()) << name;
        WriteBytes(temp / name, compiled.data);
        return (temp / name).string();
    };
    const std::string old = write("old.dat", ReadBytes(update / "old.txt"));
    // What --update wrote keeps every position; the same source cut short, or with two questions swapped, does not.
    const std::string updated = write("updated.dat", ReadBytes(update / "expected.txt"));
    std::string source = ReadBytes(update / "old.txt");
    const std::string shorter = write("shorter.dat", source.substr(0, source.find("QI:4,")));
    const size_t second = source.find("QI:2,"), third = source.find("QI:3,"), fourth = source.find("QI:4,");
    const std::string swapped = write("swapped.dat", source.substr(0, second) + source.substr(third, fourth - third)
                                                         + source.substr(second, third - second) + source.substr(fourth));
    const std::vector<std::tuple<std::string, int, std::string>> table = {
        {updated, 0, updated + ": OK, 2 topics, 7 questions, every question where it was in " + old + "\n"},
        {old, 0, old + ": OK, 2 topics, 5 questions, every question where it was in " + old + "\n"},
        {shorter, 1, shorter + ": positions 4 to 5 of " + old + " are gone; keep them as cancelled (difficulty 9) so "
                                "that no statistics are lost or given to new questions\n1 problem found\n"},
        {swapped, 1, swapped + ":10: position 2 holds another question than in " + old + ": \"Una domanda che non c'è "
                                "più\" instead of \"Quale organo approva il bilancio?\", which is now at position 3; its "
                                "statistics would go to the other question\n" + swapped + ":16: position 3 holds another "
                                "question than in " + old + ": \"Quale organo approva il bilancio?\" instead of \"Una "
                                "domanda che non c'è più\", which is now at position 2; its statistics would go to the "
                                "other question\n2 problems found\n"},
    };
    for (const auto& [bank, exitCode, report] : table) {
        const auto run = RunTool({"check", bank, "--against", old});
        EXPECT_EQ(run.exitCode, exitCode) << bank;
        EXPECT_EQ(exitCode == 0 ? run.out : run.err, report);
    }
    EXPECT_EQ(RunTool({"check", old, "--against"}).exitCode, 2);
    EXPECT_EQ(RunTool({"check", old, "--against", (temp / "missing.dat").string()}).exitCode, 2);
}

}  // namespace
