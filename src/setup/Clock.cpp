#include "setup/Clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace Clock {

namespace {
std::string g_fixed;

// Digits at [at, at + n) as a number; -1 when one is not a digit.
int Digits(std::string_view text, size_t at, size_t n)
{
    int value = 0;
    for (size_t k = at; k < at + n; ++k) {
        if (text[k] < '0' || text[k] > '9') return -1;
        value = value * 10 + (text[k] - '0');
    }
    return value;
}
}  // namespace

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

std::optional<int32_t> DayNumber(std::string_view text)
{
    if (text.size() != 19 || text[2] != '/' || text[5] != '/' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':')
        return std::nullopt;
    const int day = Digits(text, 0, 2);
    const int month = Digits(text, 3, 2);
    const int year = Digits(text, 6, 4);
    const int hours = Digits(text, 11, 2);
    const int minutes = Digits(text, 14, 2);
    const int seconds = Digits(text, 17, 2);
    // A leap second is a real time.
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 60) return std::nullopt;
    if (day < 0 || month < 0 || year < 0) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) return std::nullopt;
    return static_cast<int32_t>(std::chrono::sys_days(date).time_since_epoch().count());
}

std::string DateText(int32_t day)
{
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02u/%02u/%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return buf;
}

int32_t Today() { return DayNumber(NowText()).value_or(0); }

}  // namespace Clock
