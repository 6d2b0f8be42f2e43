#include "bank/ModEncoding.h"

#include <array>

namespace ModEncoding {

namespace {

constexpr int8_t Outside = -1;

// Digit value of every byte, Outside for the characters not in the alphabet.
constexpr std::array<int8_t, 256> MakeDigitTable()
{
    std::array<int8_t, 256> table{};
    table.fill(Outside);
    for (size_t k = 0; k < CodecAlphabet.size(); ++k) {
        const auto c = static_cast<unsigned char>(CodecAlphabet[k]);
        table[c] = static_cast<int8_t>(k);
        if (c >= 'A' && c <= 'Z') table[c - 'A' + 'a'] = static_cast<int8_t>(k);
    }
    return table;
}

constexpr auto DigitTable = MakeDigitTable();

// Characters outside the alphabet count as 0, so that damaged text still decodes.
uint32_t DigitOrZero(char c)
{
    const int8_t d = DigitTable[static_cast<unsigned char>(c)];
    return d == Outside ? 0 : static_cast<uint32_t>(d);
}

}  // namespace

std::optional<uint32_t> DigitValue(char c)
{
    const int8_t d = DigitTable[static_cast<unsigned char>(c)];
    if (d == Outside) return std::nullopt;
    return static_cast<uint32_t>(d);
}

std::string Encode(std::string_view plain)
{
    std::string out;
    out.reserve((plain.size() + 2) / 3 * 5);
    for (size_t i = 0; i < plain.size(); i += 3) {
        uint32_t value = 0;
        for (size_t k = 0; k < 3; ++k) {
            const auto c = i + k < plain.size() ? static_cast<unsigned char>(plain[i + k]) : ' ';
            value = (value << 8) | c;
        }
        for (int d = 0; d < 5; ++d) {
            out.push_back(CodecAlphabet[value & 31]);
            value >>= 5;
        }
    }
    return out;
}

uint32_t PlaceBits(uint32_t digit, uint32_t acc, int lo, int /*hi*/)
{
    return acc + (digit << lo);
}

uint32_t DecodeGroup(std::string_view group)
{
    uint32_t acc = 0;
    for (size_t i = 0; i < 5 && i < group.size(); ++i)
        acc = PlaceBits(DigitOrZero(group[i]), acc, static_cast<int>(5 * i),
                        static_cast<int>(5 * i + 4));
    return acc;
}

std::string Decode(std::string_view encoded)
{
    std::string stripped;
    std::string_view s = encoded;
    if (encoded.find('-') != std::string_view::npos) {
        stripped.reserve(encoded.size());
        for (const char c : encoded)
            if (c != '-') stripped.push_back(c);
        s = stripped;
    }

    std::string result;
    result.reserve(s.size() / 5 * 3);
    for (size_t i = 0; i + 5 <= s.size(); i += 5) {
        const uint32_t value = DecodeGroup(s.substr(i, 5));
        // A fifth digit of 8 or more would give a first code above 255: keep the low byte.
        result.push_back(static_cast<char>((value >> 16) & 0xFF));
        result.push_back(static_cast<char>((value >> 8) & 0xFF));
        result.push_back(static_cast<char>(value & 0xFF));
    }
    return result;
}

}  // namespace ModEncoding
