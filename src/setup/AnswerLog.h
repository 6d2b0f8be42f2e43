#pragma once

#include "setup/TestRequest.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The bank's log, append-only, CR LF line ends: the one writer and reader of
// its lines. A test build: "DOM:" + the settings line (SettingsLine). An
// answer: "DOM:" + date and time + "|" + Codice + "|" + "1" when the answer
// was right, else "0". A reset of the statistics ("Azzera statistiche"),
// after which the history of its questions starts anew: "DOM:" + date and
// time + "|AZZERA|" + the topic (0: the whole bank).
class AnswerLog {
public:
    AnswerLog() = default;
    explicit AnswerLog(std::filesystem::path file) : m_file(std::move(file)) {}

    const std::filesystem::path& File() const { return m_file; }

    // Appends; the log never reports a failure (a read-only folder, no log
    // given): it is a record of practice, never needed to take a test.
    void WriteBuild(const TestRequest& request) const;
    void WriteAnswer(int32_t codice, bool right) const;
    void WriteReset(int32_t topic) const;

    static std::string BuildLine(const TestRequest& request, const std::string& when);
    static std::string Line(const std::string& when, int32_t codice, bool right);
    static std::string ResetLine(const std::string& when, int32_t topic);

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
    static std::optional<Entry> Parse(std::string_view line);

private:
    void Append(const std::string& line) const;

    std::filesystem::path m_file;
};
