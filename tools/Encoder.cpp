#include "tools/Encoder.h"

#include "bank/ModEncoding.h"

#include <cstdint>

namespace Encoder {

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
            out.push_back(ModEncoding::CodecAlphabet[value & 31]);
            value >>= 5;
        }
    }
    return out;
}

}  // namespace Encoder
