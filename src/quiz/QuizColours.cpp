#include "quiz/QuizColours.h"

#include <algorithm>
#include <cmath>

namespace QuizColours {

namespace {

uint32_t Channel(TemaColor colour, int shift) { return (colour >> shift) & 0xFFu; }

uint32_t Half(uint32_t c)
{
    // An odd channel lies exactly between two integers: pick the even one.
    const uint32_t down = c / 2;
    return (c % 2 != 0 && down % 2 != 0) ? down + 1 : down;
}

// x / 3 is never exactly halfway, so plain rounding is enough.
uint32_t FourThirds(uint32_t c) { return std::min<uint32_t>((c * 4 + 1) / 3, 255); }

double Luminance(TemaColor colour)
{
    auto linear = [](uint32_t c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(Channel(colour, 0)) + 0.7152 * linear(Channel(colour, 8)) +
           0.0722 * linear(Channel(colour, 16));
}

TemaColor Mix(TemaColor from, uint32_t to, double share)
{
    auto channel = [&](int shift) {
        const double c = Channel(from, shift);
        return static_cast<uint32_t>(std::lround(c + (to - c) * share));
    };
    return RGB(channel(0), channel(8), channel(16));
}

}  // namespace

TemaColor DarkenColour(TemaColor colour)
{
    return RGB(Half(Channel(colour, 0)), Half(Channel(colour, 8)), Half(Channel(colour, 16)));
}

TemaColor LightenColour(TemaColor colour)
{
    return RGB(FourThirds(Channel(colour, 0)), FourThirds(Channel(colour, 8)), FourThirds(Channel(colour, 16)));
}

double Contrast(TemaColor a, TemaColor b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TemaColor Legible(TemaColor text, TemaColor background, double minRatio)
{
    if (Contrast(text, background) >= minRatio) return text;
    // Away from the background: lighter on a dark one, darker on a light one.
    const uint32_t target = Luminance(background) < 0.18 ? 255 : 0;
    for (int step = 1; step <= 20; ++step) {
        const TemaColor moved = Mix(text, target, step / 20.0);
        if (Contrast(moved, background) >= minRatio) return moved;
    }
    return RGB(target, target, target);
}

}  // namespace QuizColours
