#include "bank/DataFileFormat.h"

#include "bank/TextConvert.h"

namespace DataFileFormat {

namespace {

constexpr std::array<std::string_view, TagCount> Tags = {"AM:", "NR:", "QI:", "QD:", "NO:", "LE:", "HI:",
                                                         "IM:", "R1:", "R2:", "R3:", "R4:", "R5:"};

// The first four comma-separated fields of a "QI:" value and how many there are;
// kept off the heap, as the loader splits one per question.
struct Fields {
    std::array<std::string_view, QiFieldCount + 1> items;
    size_t count = 0;
};

Fields Split(std::string_view value)
{
    Fields fields;
    size_t start = 0;
    while (fields.count < fields.items.size()) {
        const size_t comma = value.find(',', start);
        fields.items[fields.count++] =
            value.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

}  // namespace

std::string_view TagText(Tag tag) { return Tags[IndexOf(tag)]; }

std::optional<Tag> TagNamed(std::string_view text)
{
    for (size_t k = 0; k < Tags.size(); ++k)
        if (Tags[k] == text) return static_cast<Tag>(k);
    return std::nullopt;
}

std::optional<int32_t> StrictInt(std::string_view text)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<QiFields> ParseQi(std::string_view value)
{
    const Fields fields = Split(value);
    if (fields.count != QiFieldCount) return std::nullopt;
    std::array<int32_t, QiFieldCount> numbers{};
    for (size_t k = 0; k < QiFieldCount; ++k) {
        const auto n = StrictInt(fields.items[k]);
        if (!n) return std::nullopt;
        numbers[k] = *n;
    }
    return QiFields{numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::array<std::optional<int32_t>, QiFieldCount> ReadQiLeniently(std::string_view value)
{
    const Fields fields = Split(value);
    std::array<std::optional<int32_t>, QiFieldCount> numbers;
    for (size_t k = 0; k < QiFieldCount && k < fields.count; ++k) numbers[k] = TextConvert::ToInt32(fields.items[k]);
    return numbers;
}

std::string QiValue(const QiFields& f)
{
    return std::to_string(f.gazzetta) + "," + std::to_string(f.argomento) + "," + std::to_string(f.difficolta) + ","
           + std::to_string(f.corretta);
}

void AppendLine(std::string& out, Tag tag, std::string_view value)
{
    out += TagText(tag);
    out += value;
    out += LineEnd;
}

}  // namespace DataFileFormat
