#pragma once

#include <cstdint>

// The one source of randomness for draws and shuffles. The program reseeds it
// from the time of day before every draw; tests fix a seed, after which
// reseeding is ignored so their runs repeat exactly.
namespace BankRandom {

// A number in [0, 1).
double Next();

// Seeds from the time of day unless a test seed is in force.
void SeedFromTimeOfDay();

void SetTestSeed(uint32_t seed);
void ClearTestSeed();

}  // namespace BankRandom
