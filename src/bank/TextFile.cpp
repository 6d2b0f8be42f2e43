#include "bank/TextFile.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace TextFile {

std::optional<std::string> ReadAll(const std::filesystem::path& path)
{
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f) return std::nullopt;
    // Sized from the file, so a large bank is read in one pass instead of regrowing and
    // copying the buffer; anything the file gained meanwhile is still read.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    std::string data(ec ? 0 : static_cast<size_t>(size), '\0');
    size_t have = std::fread(data.data(), 1, data.size(), f.get());
    if (have == data.size()) {
        char buf[1 << 16];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, f.get())) > 0;) data.append(buf, n);
        have = data.size();
    }
    data.resize(have);
    if (std::ferror(f.get())) return std::nullopt;
    return data;
}

std::vector<std::string_view> SplitFields(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.push_back(text.substr(start, stop - start));
        start = next;
    }
    return lines;
}

}  // namespace TextFile
