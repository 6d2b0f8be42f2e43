#include "Clock.h"

#include <ctime>

namespace Clock {

namespace {
std::string g_fixed;
}

std::string NowText()
{
    if (!g_fixed.empty()) return g_fixed;
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%d/%m/%Y %H:%M:%S", &local);
    return buf;
}

void SetFixedNowText(const std::string& text) { g_fixed = text; }

}  // namespace Clock
