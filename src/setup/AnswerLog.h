#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The log's answer lines: "DOM:" + date and time + "|" + Codice + "|" + "1"
// when the answer was right, else "0".
namespace AnswerLog {

std::string Line(const std::string& when, int32_t codice, bool right);

struct Answer {
    int32_t day = 0;  // Clock::DayNumber of the date
    int32_t codice = 0;
    bool right = false;
};

// Nothing for a test-build line, a damaged line or a date that does not parse.
std::optional<Answer> Parse(std::string_view line);

}  // namespace AnswerLog
