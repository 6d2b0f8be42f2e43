#include "bank/Cp1252.h"

#include <array>
#include <cstdint>

namespace Cp1252 {

namespace {

// Code points of bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::optional<char> ByteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t k = 0; k < High.size(); ++k)
        if (High[k] != 0 && High[k] == cp) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

}  // namespace

std::string ToUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (const char c : cp1252) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0)
            AppendUtf8(out, High[b - 0x80] ? High[b - 0x80] : 0xFFFD);
        else
            AppendUtf8(out, b);
    }
    return out;
}

namespace {

// Converts until a character cp1252 cannot hold: a lenient conversion writes
// "?" for it and goes on, a strict one stops and gives its offset.
std::optional<std::string> Convert(std::string_view utf8, bool lenient, size_t* badOffset)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t start = i;
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        size_t extra = 0;
        if (b < 0x80) cp = b;
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; extra = 3; }
        else extra = 99;
        ++i;
        bool ok = extra != 99 && i + extra <= utf8.size();
        for (size_t k = 0; ok && k < extra; ++k, ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            if ((c & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms are invalid UTF-8, not another spelling of an ASCII character.
        static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
        if (ok && extra > 0 && cp < Smallest[extra]) ok = false;
        // A broken sequence costs one byte: what follows it is read again.
        if (!ok) i = start + 1;
        const auto byte = ok ? ByteOf(cp) : std::nullopt;
        if (!byte && !lenient) {
            if (badOffset) *badOffset = start;
            return std::nullopt;
        }
        out.push_back(byte ? *byte : '?');
    }
    return out;
}

}  // namespace

std::optional<std::string> FromUtf8(std::string_view utf8, size_t* badOffset)
{
    return Convert(utf8, false, badOffset);
}

std::string FromUtf8Lenient(std::string_view utf8) { return *Convert(utf8, true, nullptr); }

}  // namespace Cp1252
