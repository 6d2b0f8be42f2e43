#pragma once

#include <cstdint>

// The one source of randomness for draws and shuffles. It is seeded once per
// process, from the time of day, and every later draw continues its sequence:
// reseeding before each draw replayed the same numbers within one millisecond.
// Tests fix a seed instead.
namespace BankRandom {

// A number in [0, 1).
double Next();

// Seeds from the time of day, unless the generator is already seeded.
void SeedOnce();

// Seeds with a fixed value; later SeedOnce calls keep its sequence.
void SetTestSeed(uint32_t seed);
// Forgets any seed, so the next SeedOnce seeds from the time of day again.
void ClearTestSeed();

}  // namespace BankRandom
