#include "setup/AnswerLog.h"

#include "setup/Clock.h"

#include <charconv>

namespace AnswerLog {

namespace {

// A whole field of decimal digits, no sign.
std::optional<int32_t> Number(std::string_view field)
{
    int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || field[0] == '-' || error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::string Line(const std::string& when, int32_t codice, bool right)
{
    return "DOM:" + when + "|" + std::to_string(codice) + "|" + (right ? "1" : "0");
}

std::optional<Entry> Parse(std::string_view line)
{
    constexpr std::string_view prefix = "DOM:";
    if (line.substr(0, prefix.size()) != prefix) return std::nullopt;
    line.remove_prefix(prefix.size());
    // Exactly three fields; a test-build line has ten.
    const size_t bar1 = line.find('|');
    if (bar1 == std::string_view::npos) return std::nullopt;
    const size_t bar2 = line.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos || line.find('|', bar2 + 1) != std::string_view::npos) return std::nullopt;

    const std::string_view middle = line.substr(bar1 + 1, bar2 - bar1 - 1);
    const std::string_view last = line.substr(bar2 + 1);
    const auto day = Clock::DayNumber(line.substr(0, bar1));
    if (!day) return std::nullopt;
    if (middle == "AZZERA") {
        const auto topic = Number(last);
        if (!topic) return std::nullopt;
        return Reset{*day, *topic};
    }
    if (last != "1" && last != "0") return std::nullopt;
    const auto codice = Number(middle);
    if (!codice) return std::nullopt;
    return Answer{*day, *codice, last == "1"};
}

}  // namespace AnswerLog
