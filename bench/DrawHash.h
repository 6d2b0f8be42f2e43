#pragma once

#include "bank/cQuesiti.h"

#include <cstdint>

// The order of a drawn set as one number (32-bit FNV-1a of the codes), reported by the draw
// benchmarks so that a faster draw can be seen to draw the same questions for the same seed.
inline double DrawHash(const cQuesiti& drawn)
{
    uint32_t hash = 2166136261u;
    for (const auto& q : drawn) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= static_cast<uint32_t>(q->Codice) >> shift & 0xffu;
            hash *= 16777619u;
        }
    }
    return hash;
}
