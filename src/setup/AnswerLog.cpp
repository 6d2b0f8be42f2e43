#include "setup/AnswerLog.h"

#include "setup/Clock.h"

#include <charconv>

namespace AnswerLog {

std::string Line(const std::string& when, int32_t codice, bool right)
{
    return "DOM:" + when + "|" + std::to_string(codice) + "|" + (right ? "1" : "0");
}

std::optional<Answer> Parse(std::string_view line)
{
    constexpr std::string_view prefix = "DOM:";
    if (line.substr(0, prefix.size()) != prefix) return std::nullopt;
    line.remove_prefix(prefix.size());
    // Exactly three fields; a test-build line has ten.
    const size_t bar1 = line.find('|');
    if (bar1 == std::string_view::npos) return std::nullopt;
    const size_t bar2 = line.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos || line.find('|', bar2 + 1) != std::string_view::npos) return std::nullopt;

    const std::string_view outcome = line.substr(bar2 + 1);
    if (outcome != "1" && outcome != "0") return std::nullopt;
    const std::string_view code = line.substr(bar1 + 1, bar2 - bar1 - 1);
    Answer answer;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), answer.codice);
    if (code.empty() || code[0] == '-' || error != std::errc() || end != code.data() + code.size()) return std::nullopt;
    const auto day = Clock::DayNumber(line.substr(0, bar1));
    if (!day) return std::nullopt;
    answer.day = *day;
    answer.right = outcome == "1";
    return answer;
}

}  // namespace AnswerLog
