#include "tools/BankFormat.h"

#include "tools/Diagnostic.h"

#include <array>
#include <cstdio>

namespace BankFormat {

namespace {

constexpr std::array<std::string_view, 11> Tags = {"QI:", "QD:", "NO:", "LE:", "HI:", "IM:",
                                                   "R1:", "R2:", "R3:", "R4:", "R5:"};

}  // namespace

std::optional<Slot> QuestionSlot(std::string_view tag)
{
    for (size_t k = 0; k < Tags.size(); ++k)
        if (Tags[k] == tag) return static_cast<Slot>(k);
    return std::nullopt;
}

std::string_view TagOf(Slot slot) { return Tags[static_cast<size_t>(slot)]; }

std::optional<int> StrictInt(std::string_view text)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<std::vector<int>> QiFields(std::string_view value)
{
    std::vector<int> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = value.find(',', start);
        const auto field = StrictInt(value.substr(start, comma == std::string_view::npos ? value.npos : comma - start));
        if (!field || fields.size() == 4) return std::nullopt;
        fields.push_back(*field);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (fields.size() != 4) return std::nullopt;
    return fields;
}

}  // namespace BankFormat

std::string Printable(std::string_view bytes, size_t maxLength)
{
    std::string out;
    for (size_t i = 0; i < bytes.size() && i < maxLength; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    if (bytes.size() > maxLength) out += "...";
    return out;
}
