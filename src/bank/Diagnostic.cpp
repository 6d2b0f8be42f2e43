#include "bank/Diagnostic.h"

#include <cstdio>

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
