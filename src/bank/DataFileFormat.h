#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The question data file, described once: its lines, their order and their
// values. The program's loader (cDocumento), the bank tool's compiler, checker
// and importers, the tests and the benchmarks all take it from here; its rules
// are in DataFileRules, and DataFileWriter makes a file.
//
// A data file is 8-bit text in cp1252, every line ending in CR LF. A line starts
// with a tag of three characters (compared exactly); its value is the rest of
// the line, taken as it is. In a file, in this order:
//
//   AM:name          one line per topic; the n-th defines topic n
//   NR:n             the answers per question (2 to 5), only when they are not 4
//   then, for every question in turn:
//   QI:g,t,d,c       gazette number, topic, difficulty, correct answer
//   QD:text          the question
//   NO: LE: HI: IM:  note, passage, explanation, image file name; each only when not empty
//   R1: to R4:       the answers, written even when empty; R5: in a bank of five answers
//
// The values of QD: to R5: are texts in the codec's stored form (ModEncoding);
// the others are plain. A question's code (Codice) is not stored: it is the
// question's place in the file, from 1.
namespace DataFileFormat {

// The tags in file order: the topics, the answer count, then a question's lines.
enum class Tag { AM, NR, QI, QD, NO, LE, HI, IM, R1, R2, R3, R4, R5 };
inline constexpr size_t TagCount = 13;
inline constexpr size_t TagLength = 3;
inline constexpr std::string_view LineEnd = "\r\n";

// "QI:" for Tag::QI.
std::string_view TagText(Tag tag);
// The tag `text` is (three characters, exactly), or nothing.
std::optional<Tag> TagNamed(std::string_view text);
// The tag a line starts with, or nothing (unknown tags, lines shorter than a tag).
inline std::optional<Tag> TagOfLine(std::string_view line) { return TagNamed(line.substr(0, TagLength)); }
// The value of a line: everything after its tag.
inline std::string_view ValueOf(std::string_view line)
{
    return line.size() > TagLength ? line.substr(TagLength) : std::string_view();
}

inline size_t IndexOf(Tag tag) { return static_cast<size_t>(tag); }
// QI: to R5:, the lines that belong to a question.
inline bool IsQuestionLine(Tag tag) { return tag >= Tag::QI; }
// QD: to R5:, whose values are encoded texts.
inline bool IsText(Tag tag) { return tag >= Tag::QD; }
// NO:, LE:, HI: and IM:, left out when their text is empty.
inline bool IsOptionalText(Tag tag) { return tag >= Tag::NO && tag <= Tag::IM; }
inline bool IsAnswer(Tag tag) { return tag >= Tag::R1; }
// 1 for R1: … 5 for R5:.
inline int32_t AnswerNumber(Tag tag) { return static_cast<int32_t>(tag) - static_cast<int32_t>(Tag::R1) + 1; }
// R1: for 1 … R5: for 5.
inline Tag AnswerTag(int32_t n) { return static_cast<Tag>(static_cast<int32_t>(Tag::R1) + n - 1); }

// Answers per question: NR:, or 4 without it.
inline constexpr int32_t DefaultNumRisposte = 4;
inline constexpr int32_t MinNumRisposte = 2;
inline constexpr int32_t MaxNumRisposte = 5;
inline bool ValidNumRisposte(int32_t n) { return n >= MinNumRisposte && n <= MaxNumRisposte; }

// Difficulty (Difficolta): easy, medium, hard, or cancelled by the competition
// authority (such questions are never drawn).
inline constexpr int32_t Facile = 1;
inline constexpr int32_t Media = 2;
inline constexpr int32_t Difficile = 3;
inline constexpr int32_t Annullato = 9;
inline bool ValidDifficolta(int32_t d) { return (d >= Facile && d <= Difficile) || d == Annullato; }

// A strict decimal integer: an optional '-' and 1 to 9 digits, nothing else.
std::optional<int32_t> StrictInt(std::string_view text);

// The four fields of a "QI:" value.
struct QiFields {
    int32_t gazzetta = 0;    // IDGazzetta
    int32_t argomento = 0;   // the topic's ID
    int32_t difficolta = 0;  // Difficolta
    int32_t corretta = 0;    // RispostaCorretta
    bool operator==(const QiFields&) const = default;
};
inline constexpr size_t QiFieldCount = 4;

// Exactly four strict integers separated by "," (no blanks): what a valid file holds.
std::optional<QiFields> ParseQi(std::string_view value);
// The value as the program's loader reads it: each of the first four fields on
// its own, leniently (TextConvert::ToInt32); a missing or unreadable one is nothing.
std::array<std::optional<int32_t>, QiFieldCount> ReadQiLeniently(std::string_view value);
// "12,2,1,3".
std::string QiValue(const QiFields& fields);

// Appends one line: the tag, the value as it is, CR LF.
void AppendLine(std::string& out, Tag tag, std::string_view value);

}  // namespace DataFileFormat
