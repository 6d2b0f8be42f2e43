// tq-fuzzseeds OUT FIXTURES HANDPICKED: the starting corpora of the fuzz targets.
// OUT/load and OUT/check get the fixture banks compiled by the bank tool's compiler, small
// generated banks and the hand-picked files of HANDPICKED/load; OUT/decode gets every encoded
// text of those banks and the hand-picked files of HANDPICKED/decode; OUT/session and
// OUT/history get the suspended tests and history files of HANDPICKED/session and /history; OUT/aiken, gift, csv, moodlexml and pdftext get the
// inputs of the import case folders (FIXTURES/import/<format>/<case>/input.*).
#include "bank/TextFile.h"

#include "tools/SourceCompiler.h"

#include "BankGenerator.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, std::string_view data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

std::set<std::string> g_encoded;

void AddBank(const fs::path& out, const std::string& name, const std::string& data)
{
    Write(out / "load" / name, data);
    Write(out / "check" / name, data);
    for (const std::string_view line : TextFile::SplitLines(data))
        if (line.size() > 3 && line[2] == ':' && line.substr(0, 3) != "AM:" && line.substr(0, 3) != "QI:"
            && line.substr(0, 3) != "NR:")
            g_encoded.emplace(line.substr(3));
}

std::vector<fs::path> FilesIn(const fs::path& dir)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: tq-fuzzseeds OUT FIXTURES HANDPICKED\n");
        return 2;
    }
    const fs::path out = argv[1];
    for (const char* sub : {"load", "check", "decode", "session", "history", "aiken", "gift", "csv", "moodlexml", "pdftext"})
        fs::create_directories(out / sub);

    int fixtures = 0;
    for (const auto& path : FilesIn(argv[2])) {
        if (path.extension() != ".txt") continue;
        // Fixtures that are meant to fail compiling have no data file.
        const auto result = SourceCompiler::CompileFile(path);
        if (!result.Ok()) continue;
        AddBank(out, path.stem().string() + ".dat", result.data);
        ++fixtures;
    }
    for (const int32_t n : {1, 3}) {
        const BankGenerator::Options options{n, n == 1 ? 1 : 3, static_cast<uint32_t>(n)};
        AddBank(out, "generated" + std::to_string(n) + ".dat", BankGenerator::Generate(options));
    }
    for (const auto& path : FilesIn(fs::path(argv[3]) / "load"))
        if (const auto data = TextFile::ReadAll(path)) AddBank(out, path.filename().string(), *data);

    int k = 0;
    for (const auto& text : g_encoded) Write(out / "decode" / ("text" + std::to_string(++k)), text);
    for (const auto& path : FilesIn(fs::path(argv[3]) / "decode"))
        if (const auto data = TextFile::ReadAll(path)) Write(out / "decode" / path.filename(), *data);

    for (const char* sub : {"session", "history"})
        for (const auto& path : FilesIn(fs::path(argv[3]) / sub))
            if (const auto data = TextFile::ReadAll(path)) Write(out / sub / path.filename(), *data);

    int imports = 0;
    for (const auto& [format, target] : std::vector<std::pair<std::string, std::string>>{
             {"aiken", "aiken"}, {"gift", "gift"}, {"csv", "csv"}, {"moodle-xml", "moodlexml"}, {"pdf", "pdftext"}}) {
        std::error_code ec;
        for (const auto& dir : fs::directory_iterator(fs::path(argv[2]) / "import" / format, ec))
            for (const auto& path : FilesIn(dir.path()))
                if (path.stem() == "input" || path.stem() == "key")
                    if (const auto data = TextFile::ReadAll(path)) {
                        Write(out / target / (dir.path().filename().string() + "-" + path.filename().string()), *data);
                        ++imports;
                    }
    }
    std::printf("seeds: %d import inputs; ", imports);
    std::printf("seeds: %d fixture banks, %zu encoded texts\n", fixtures, g_encoded.size());
    return 0;
}
