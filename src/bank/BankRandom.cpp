#include "bank/BankRandom.h"

#include <chrono>
#include <ctime>
#include <random>

namespace BankRandom {

namespace {

std::mt19937& Generator()
{
    static std::mt19937 generator(5489u);
    return generator;
}

bool g_seeded = false;

}  // namespace

double Next()
{
    // 32 random bits scaled into [0, 1).
    return static_cast<double>(Generator()()) * (1.0 / 4294967296.0);
}

void SeedOnce()
{
    if (g_seeded) return;
    g_seeded = true;
    // Milliseconds since local midnight, so that two starts a moment apart differ.
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const auto seed = static_cast<uint32_t>((local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000 + ms);
    Generator().seed(seed);
}

void SetTestSeed(uint32_t seed)
{
    g_seeded = true;
    Generator().seed(seed);
}

void ClearTestSeed() { g_seeded = false; }

}  // namespace BankRandom
