#pragma once

#include "bank/DataFileFormat.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The rules a bank keeps, each in one place with one message: topics before
// the answer count and both before the questions, the answer count from 2 to
// 5, four whole numbers in "QI:", a topic that exists, a valid difficulty, a
// gazette number used once, a question text, a correct answer in range that
// has a text, one line of each tag per question, known tags only, at least
// one topic and one question. The program's loader breaks none of them: it
// reads past what they forbid, and the messages say how where it matters.
//
// The bank tool's compiler feeds the lines of a readable source, its checker
// those of a data file, where the layout is a rule too (a question's lines in
// their order, every answer line there, R5: only in a bank of five, no empty
// optional line); the compiler lays the lines out itself. Texts are looked at
// only for being empty: in a source they are plain, in a data file encoded.
class DataFileRules {
public:
    enum class Input { Source, DataFile };
    // A broken rule: its line (0 for the whole file) and its message (English).
    using Report = std::function<void(int line, std::string message)>;

    DataFileRules(Input input, Report report);

    // The next line of the file, without its line end; not empty.
    void Line(int lineNo, std::string_view line);
    // After the last line.
    void End();

    // What is read so far, as the program's loader counts it.
    int TopicCount() const { return static_cast<int>(m_topics.size()); }
    int QuestionCount() const { return m_questionCount; }
    int32_t NumRisposte() const { return m_numRisposte; }
    // The fields of the current question's "QI:" line, when they read.
    const std::optional<DataFileFormat::QiFields>& Fields() const;

private:
    using Tag = DataFileFormat::Tag;

    struct Question {
        // Declared, so that clang sees it default-constructible inside this class.
        Question() {}
        int line = 0;
        std::optional<DataFileFormat::QiFields> fields;
        std::array<int, DataFileFormat::TagCount> lines{};  // where each tag was seen; 0 = absent
        std::array<bool, DataFileFormat::TagCount> empty{};
        size_t lastTag = 0;
    };

    void Topic(std::string_view name, int lineNo);
    void NumRisposteLine(std::string_view value, int lineNo);
    void StartQuestion(std::string_view value, int lineNo);
    void Text(Tag tag, std::string_view value, int lineNo);
    void FinishQuestion();
    // A value as the message shows it: the source's own characters, or a data file's bytes.
    std::string Shown(std::string_view value) const;
    void Problem(int line, std::string message) const { m_report(line, std::move(message)); }

    Input m_input;
    Report m_report;
    std::map<std::string, int, std::less<>> m_topics;  // name, line
    std::map<int32_t, int> m_gazetteLines;
    int32_t m_numRisposte = DataFileFormat::DefaultNumRisposte;
    int m_nrLine = 0;
    int m_questionCount = 0;
    std::optional<Question> m_current;
};
