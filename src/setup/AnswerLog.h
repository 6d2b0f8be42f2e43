#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The log's answer lines: "DOM:" + date and time + "|" + Codice + "|" + "1"
// when the answer was right, else "0"; and the reset lines of "Azzera
// statistiche": "DOM:" + date and time + "|AZZERA|" + topic number (0 = the
// whole bank), after which the history of those questions starts anew.
namespace AnswerLog {

std::string Line(const std::string& when, int32_t codice, bool right);

struct Answer {
    int32_t day = 0;  // Clock::DayNumber of the date
    int32_t codice = 0;
    bool right = false;
};

struct Reset {
    int32_t day = 0;
    int32_t topic = 0;  // a topic ID, or 0 for every question of the bank
};

using Entry = std::variant<Answer, Reset>;

// Nothing for a test-build line, a damaged line or a date that does not parse.
std::optional<Entry> Parse(std::string_view line);

}  // namespace AnswerLog
