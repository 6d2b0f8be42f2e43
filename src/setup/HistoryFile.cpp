#include "setup/HistoryFile.h"

#include "bank/TextConvert.h"
#include "bank/TextFile.h"

#include "setup/Clock.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int64_t HistoryEntry::DurationSeconds() const
{
    const auto from = Clock::Seconds(Started);
    const auto to = Clock::Seconds(Ended);
    return from && to && *to >= *from ? *to - *from : 0;
}

namespace HistoryFile {

namespace {

constexpr std::string_view Kind = "TEST";
constexpr size_t FieldCount = 20;

// FNV-1a, 32 bits: enough to tell a line cut short or garbled.
uint32_t Check(std::string_view text)
{
    uint32_t h = 2166136261u;
    for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

std::string Hex(uint32_t value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08x", value);
    return buf;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

std::optional<int32_t> Number(std::string_view text)
{
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<TestItem> Item(std::string_view text)
{
    const auto f = Split(text, ',');
    if (f.size() != 5 || f[1].size() != 5 || (f[4] != "0" && f[4] != "1")) return std::nullopt;
    TestItem item;
    const auto code = Number(f[0]);
    const auto given = Number(f[2]);
    const auto correct = Number(f[3]);
    if (!code || !given || !correct || *code < 1 || *given < 0 || *given > 5 || *correct < 1 || *correct > 5)
        return std::nullopt;
    for (size_t k = 0; k < item.Ordine.size(); ++k) {
        if (f[1][k] < '1' || f[1][k] > '5') return std::nullopt;
        item.Ordine[k] = static_cast<int8_t>(f[1][k] - '0');
    }
    item.Codice = *code;
    item.Given = *given;
    item.Correct = *correct;
    item.Late = f[4] == "1";
    return item;
}

}  // namespace

std::string Line(const HistoryEntry& e)
{
    const TestRequest& r = e.Request;
    std::string items;
    for (const TestItem& item : e.Items) {
        if (!items.empty()) items += ';';
        items += std::to_string(item.Codice) + ",";
        for (const int8_t k : item.Ordine) items += static_cast<char>('0' + k);
        items += "," + std::to_string(std::max(item.Given, 0)) + "," + std::to_string(item.Correct) + ","
                 + (item.Late ? "1" : "0");
    }
    std::string line(Kind);
    for (const std::string& field :
         {e.Started, e.Ended, std::to_string(r.TopicFilter), std::to_string(r.TopicRangeFirst),
          std::to_string(r.TopicRangeLast), std::to_string(r.TopicRangeExtra), std::to_string(r.GazetteRangeFirst),
          std::to_string(r.GazetteRangeLast), std::to_string(r.OrderMode), std::to_string(r.QuestionCount),
          std::to_string(r.StartNumber), std::to_string(r.TimeLimitHours), std::to_string(r.TimeLimitMinutes),
          std::string(TextConvert::FromBool(r.KeepAnswerOrder)), std::string(e.HandedIn ? "1" : "0"),
          std::string(e.TimedOut ? "1" : "0"), std::string(e.Repeat ? "1" : "0"), std::to_string(e.Items.size()),
          items}) {
        line += '|';
        line += field;
    }
    return line + "|" + Hex(Check(line));
}

std::optional<HistoryEntry> Parse(std::string_view line)
{
    const size_t bar = line.rfind('|');
    if (bar == std::string_view::npos || line.substr(bar + 1) != Hex(Check(line.substr(0, bar)))) return std::nullopt;
    const auto f = Split(line.substr(0, bar), '|');
    if (f.size() != FieldCount || f[0] != Kind || !Clock::DayNumber(f[1]) || !Clock::DayNumber(f[2]))
        return std::nullopt;
    HistoryEntry e;
    e.Started = f[1];
    e.Ended = f[2];
    TestRequest& r = e.Request;
    int32_t* numbers[] = {&r.TopicFilter, &r.TopicRangeFirst, &r.TopicRangeLast, &r.TopicRangeExtra,
                          &r.GazetteRangeFirst, &r.GazetteRangeLast, &r.OrderMode, &r.QuestionCount,
                          &r.StartNumber, &r.TimeLimitHours, &r.TimeLimitMinutes};
    for (size_t k = 0; k < std::size(numbers); ++k) {
        const auto v = Number(f[3 + k]);
        if (!v) return std::nullopt;
        *numbers[k] = *v;
    }
    const auto keep = TextConvert::ToBool(f[14]);
    const auto count = Number(f[18]);
    const auto flag = [](std::string_view text) { return text == "0" || text == "1"; };
    if (!keep || !flag(f[15]) || !flag(f[16]) || !flag(f[17]) || !count || *count < 0) return std::nullopt;
    r.KeepAnswerOrder = *keep;
    e.HandedIn = f[15] == "1";
    e.TimedOut = f[16] == "1";
    e.Repeat = f[17] == "1";
    if (*count > 0)
        for (const std::string_view text : Split(f[19], ';')) {
            const auto item = Item(text);
            if (!item) return std::nullopt;
            e.Items.push_back(*item);
        }
    if (e.Items.size() != static_cast<size_t>(*count)) return std::nullopt;
    return e;
}

Expected<void> Append(const std::filesystem::path& file, const HistoryEntry& entry)
{
    const std::string name = file.filename().string();
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Fail("impossibile aprire il file " + name);
    std::string bytes = Line(entry) + "\r\n";
    // A line a kill cut short is left as it is, and skipped when read: this one starts afresh.
    struct stat info {};
    char last = '\n';
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        const int reader = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (reader >= 0) {
            if (::pread(reader, &last, 1, info.st_size - 1) != 1) last = '\n';
            ::close(reader);
        }
    }
    if (last != '\n') bytes = "\r\n" + bytes;
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    const bool ok = written == static_cast<ssize_t>(bytes.size()) && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok) return Fail("scrittura non riuscita su " + name);
    return {};
}

Contents Read(const std::filesystem::path& file)
{
    Contents contents;
    const auto text = TextFile::ReadAll(file);
    if (!text) return contents;
    for (const std::string_view line : TextFile::SplitLines(*text)) {
        if (line.empty()) continue;
        if (auto entry = Parse(line)) contents.entries.push_back(std::move(*entry));
        else ++contents.damaged;
    }
    return contents;
}

}  // namespace HistoryFile
