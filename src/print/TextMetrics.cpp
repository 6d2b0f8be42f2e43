#include "print/TextMetrics.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace word::TextMetrics {

namespace {

// Advance widths of Arial's printable ASCII characters, in thousandths of an em.
constexpr std::array<uint16_t, 95> Ascii = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  //  !"#$%&'()*+,-./
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0-9 :;<=>?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @A-O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,   // P-Z [\]^_
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,   // `a-o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,        // p-z {|}~
};
// Accented letters and other characters: about a lower-case letter.
constexpr uint16_t Other = 556;
// The bold face runs wider.
constexpr double BoldFactor = 1.08;

// Thousandths of an em of each character, in order; a space or tab ends a word.
template <typename Visit>
void ForEachChar(std::string_view utf8, Visit visit)
{
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if ((b & 0xC0) == 0x80) continue;
        const bool blank = b == ' ' || b == '\t';
        visit(b >= 32 && b < 127 ? Ascii[b - 32] : Other, blank);
    }
}

double Scale(double size, bool bold) { return size / 1000.0 * (bold ? BoldFactor : 1.0); }

}  // namespace

Extent Measure(std::string_view utf8, double size, bool bold)
{
    double total = 0, longest = 0, word = 0;
    ForEachChar(utf8, [&](uint16_t w, bool blank) {
        total += w;
        word = blank ? 0 : word + w;
        longest = std::max(longest, word);
    });
    const double scale = Scale(size, bold);
    return {total * scale, longest * scale};
}

}  // namespace word::TextMetrics
