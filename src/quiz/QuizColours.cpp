#include "QuizColours.h"

#include <algorithm>

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

}  // namespace

TemaColor DarkenColour(TemaColor colour)
{
    return RGB(Half(Channel(colour, 0)), Half(Channel(colour, 8)), Half(Channel(colour, 16)));
}

TemaColor LightenColour(TemaColor colour)
{
    return RGB(FourThirds(Channel(colour, 0)), FourThirds(Channel(colour, 8)), FourThirds(Channel(colour, 16)));
}

}  // namespace QuizColours
