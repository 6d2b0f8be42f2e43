// The history file ("Storico dei test") on arbitrary bytes: a line the reader
// accepts is the line the writer makes of it, every line is either an entry
// or counted as damaged, and a test appended to whatever the file holds keeps
// every earlier entry and reads back last.
#include "bank/TextFile.h"

#include "setup/HistoryFile.h"

#include "FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path g_file;

HistoryEntry Appended()
{
    HistoryEntry e;
    e.Started = "05/12/2026 18:40:00";
    e.Ended = "05/12/2026 19:30:00";
    e.Request.OrderMode = OrderEsame;
    e.Request.TimeLimitMinutes = 50;
    e.TimedOut = true;
    TestItem item;
    item.Codice = 7;
    item.Ordine = {3, 1, 2, 5, 4};
    item.Given = 2;
    item.Correct = 4;
    item.Late = true;
    e.Items = {item, item};
    e.Items[1].Given = 0;
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const fs::path folder = fs::temp_directory_path() / ("tq-fuzz-history-" + std::to_string(getpid()));
    fs::create_directories(folder);
    g_file = folder / "rcv14.dat.storico";
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(g_file.parent_path(), ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto entry = HistoryFile::Parse(bytes)) {
        FUZZ_CHECK(HistoryFile::Line(*entry) == bytes);
        const TestScore s = entry->Score();
        FUZZ_CHECK(s.Total() == static_cast<int32_t>(entry->Items.size()));
        FUZZ_CHECK(entry->DurationSeconds() >= 0);
    }

    {
        std::ofstream out(g_file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const HistoryFile::Contents before = HistoryFile::Read(g_file);
    size_t lines = 0;
    for (const std::string_view line : TextFile::SplitLines(bytes)) lines += !line.empty();
    FUZZ_CHECK(before.entries.size() + static_cast<size_t>(before.damaged) == lines);

    const HistoryEntry added = Appended();
    FUZZ_CHECK(HistoryFile::Append(g_file, added));
    const HistoryFile::Contents after = HistoryFile::Read(g_file);
    FUZZ_CHECK(after.damaged == before.damaged);
    FUZZ_CHECK(after.entries.size() == before.entries.size() + 1);
    for (size_t i = 0; i < before.entries.size(); ++i)
        FUZZ_CHECK(HistoryFile::Line(after.entries[i]) == HistoryFile::Line(before.entries[i]));
    FUZZ_CHECK(HistoryFile::Line(after.entries.back()) == HistoryFile::Line(added));
    return 0;
}
