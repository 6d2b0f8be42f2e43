#include "tools/SourceCompiler.h"

#include "bank/Cp1252.h"
#include "bank/TextFile.h"

#include "tools/BankFormat.h"
#include "tools/Encoder.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace SourceCompiler {

namespace {

using BankFormat::Slot;

constexpr size_t SlotCount = static_cast<size_t>(Slot::R5) + 1;

struct Question {
    int line = 0;
    std::optional<std::vector<int>> fields;
    std::array<std::string, SlotCount> texts;  // cp1252, plain
    std::array<int, SlotCount> lines{};        // where each tag was seen; 0 = absent
};

// Column (1-based, in characters) of a byte offset of a UTF-8 line.
size_t ColumnOf(std::string_view utf8, size_t offset)
{
    size_t column = 1;
    for (size_t i = 0; i < offset && i < utf8.size(); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) ++column;
    return column;
}

// The well-formed UTF-8 character at offset, or nothing.
std::optional<std::string_view> Utf8CharAt(std::string_view utf8, size_t offset)
{
    const auto b = static_cast<unsigned char>(utf8[offset]);
    const size_t length = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || offset + length > utf8.size()) return std::nullopt;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(utf8[offset + k]) & 0xC0) != 0x80) return std::nullopt;
    return utf8.substr(offset, length);
}

class Compiler {
public:
    explicit Compiler(std::string fileName) : m_file(std::move(fileName)) {}

    Result Run(std::string_view source)
    {
        // An editor's byte-order mark is no part of the first line.
        if (source.starts_with("\xEF\xBB\xBF")) source.remove_prefix(3);
        int lineNo = 0;
        for (const std::string_view raw : TextFile::SplitLines(source)) {
            ++lineNo;
            if (raw.find_first_not_of(" \t") == std::string_view::npos || raw[0] == '#') continue;
            Line(ToCp1252(raw, lineNo), lineNo);
        }
        FinishQuestion();
        if (m_topics.empty()) Error(0, "no topics: the bank needs at least one \"AM:\" line");
        if (m_questions.empty()) Error(0, "no questions: the bank needs at least one \"QI:\" line");

        Result result;
        std::stable_sort(m_errors.begin(), m_errors.end(),
                         [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
        result.errors = std::move(m_errors);
        if (result.errors.empty()) result.data = Emit();
        return result;
    }

private:
    void Error(int line, std::string message) { m_errors.push_back({m_file, line, std::move(message)}); }

    std::string ToCp1252(std::string_view utf8, int lineNo)
    {
        size_t bad = 0;
        auto text = Cp1252::FromUtf8(utf8, &bad);
        if (!text) {
            const auto ch = Utf8CharAt(utf8, bad);
            const std::string column = std::to_string(ColumnOf(utf8, bad));
            if (ch)
                Error(lineNo, "column " + column + ": character \"" + std::string(*ch)
                                  + "\" is not in the Windows-1252 code page");
            else
                Error(lineNo, "column " + column + ": invalid UTF-8");
            // Go on with the rest of the line so that one bad character gives one message.
            return Lossy(utf8);
        }
        for (size_t i = 0; i < text->size(); ++i) {
            const auto c = static_cast<unsigned char>((*text)[i]);
            if (c < 0x20 && c != '\t') {
                Error(lineNo, "column " + std::to_string(ColumnOf(utf8, i)) + ": control character "
                                  + Printable(text->substr(i, 1)));
                break;
            }
        }
        return *text;
    }

    // The line in cp1252 with "?" for every character the code page lacks.
    static std::string Lossy(std::string_view utf8)
    {
        std::string out;
        size_t i = 0;
        while (i < utf8.size()) {
            const auto ch = Utf8CharAt(utf8, i);
            const auto byte = ch ? Cp1252::FromUtf8(*ch) : std::nullopt;
            out += byte ? *byte : std::string("?");
            i += ch ? ch->size() : 1;
        }
        return out;
    }

    void Line(const std::string& line, int lineNo)
    {
        const std::string_view tag = std::string_view(line).substr(0, 3);
        const std::string value = line.size() > 3 ? line.substr(3) : std::string();
        if (tag == "AM:") return Topic(value, lineNo);
        if (tag == "NR:") return NumRisposte(value, lineNo);
        const auto slot = BankFormat::QuestionSlot(tag);
        if (!slot) {
            Error(lineNo, "unknown tag \"" + Printable(tag)
                              + "\": a line starts with AM:, NR:, QI:, QD:, NO:, LE:, HI:, IM: or R1: to R5:");
            return;
        }
        if (*slot == Slot::QI) return StartQuestion(value, lineNo);
        if (!m_current) {
            Error(lineNo, std::string(tag) + " line before the first QI: line");
            return;
        }
        const auto k = static_cast<size_t>(*slot);
        if (m_current->lines[k] != 0) {
            Error(lineNo, "second " + std::string(tag) + " line in this question (first on line "
                              + std::to_string(m_current->lines[k]) + ")");
            return;
        }
        if (*slot == Slot::QD && value.empty()) Error(lineNo, "empty question text");
        if (BankFormat::IsAnswer(*slot) && BankFormat::AnswerOf(*slot) > m_numRisposte && !value.empty())
            Error(lineNo, "answer " + std::to_string(BankFormat::AnswerOf(*slot)) + " in a bank of "
                              + std::to_string(m_numRisposte) + " answers per question");
        m_current->lines[k] = lineNo;
        m_current->texts[k] = value;
    }

    void Topic(const std::string& name, int lineNo)
    {
        if (m_current || !m_questions.empty()) return Error(lineNo, "AM: line after the first question");
        if (m_nrLine != 0) return Error(lineNo, "AM: line after the NR: line");
        if (name.empty()) return Error(lineNo, "empty topic name");
        const auto [it, added] = m_topicLines.emplace(name, lineNo);
        if (!added)
            return Error(lineNo, "duplicate topic \"" + Cp1252::ToUtf8(name) + "\" (first on line "
                                     + std::to_string(it->second) + ")");
        m_topics.push_back(name);
    }

    void NumRisposte(const std::string& value, int lineNo)
    {
        if (m_current || !m_questions.empty()) return Error(lineNo, "NR: line after the first question");
        if (m_nrLine != 0)
            return Error(lineNo, "second NR: line (first on line " + std::to_string(m_nrLine) + ")");
        m_nrLine = lineNo;
        const auto n = BankFormat::StrictInt(value);
        if (!n || *n < 2 || *n > 5) return Error(lineNo, "NR: needs a number of answers from 2 to 5");
        m_numRisposte = *n;
    }

    void StartQuestion(const std::string& value, int lineNo)
    {
        FinishQuestion();
        m_current.emplace();
        m_current->line = lineNo;
        m_current->lines[static_cast<size_t>(Slot::QI)] = lineNo;
        m_current->fields = BankFormat::QiFields(value);
        if (!m_current->fields) {
            Error(lineNo, "QI: needs four integers separated by commas "
                          "(gazette number, topic, difficulty, correct answer)");
            return;
        }
        const auto& f = *m_current->fields;
        if (f[1] < 1 || f[1] > static_cast<int>(m_topics.size()))
            Error(lineNo, "topic " + std::to_string(f[1]) + " does not exist (topics defined: "
                              + std::to_string(m_topics.size()) + ")");
        if (!BankFormat::ValidDifficolta(f[2]))
            Error(lineNo, "difficulty " + std::to_string(f[2]) + " is not 1, 2, 3 or 9 (cancelled)");
        const auto [it, added] = m_gazetteLines.emplace(f[0], lineNo);
        if (!added)
            Error(lineNo, "gazette number " + std::to_string(f[0]) + " already used on line "
                              + std::to_string(it->second));
    }

    void FinishQuestion()
    {
        if (!m_current) return;
        const Question& q = *m_current;
        if (q.lines[static_cast<size_t>(Slot::QD)] == 0) Error(q.line, "question without a QD: line");
        if (q.fields) {
            const int c = (*q.fields)[3];
            if (c < 1 || c > m_numRisposte)
                Error(q.line, "correct answer " + std::to_string(c) + " is outside 1.."
                                  + std::to_string(m_numRisposte));
            else if (q.texts[static_cast<size_t>(Slot::R1) + c - 1].empty())
                Error(q.line, "correct answer " + std::to_string(c) + " has no text (R" + std::to_string(c)
                                  + ": missing or empty)");
        }
        m_questions.push_back(std::move(*m_current));
        m_current.reset();
    }

    std::string Emit() const
    {
        std::string out;
        const auto put = [&out](std::string_view tag, std::string_view value) {
            out.append(tag).append(value).append("\r\n");
        };
        for (const auto& t : m_topics) put("AM:", t);
        if (m_numRisposte != 4) put("NR:", std::to_string(m_numRisposte));
        const size_t lastAnswer = static_cast<size_t>(m_numRisposte == 5 ? Slot::R5 : Slot::R4);
        for (const auto& q : m_questions) {
            const auto& f = *q.fields;
            put("QI:", std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) + ","
                           + std::to_string(f[3]));
            for (size_t k = static_cast<size_t>(Slot::QD); k <= lastAnswer; ++k) {
                const auto slot = static_cast<Slot>(k);
                // Optional texts only when present; the question and its answers always.
                if (slot != Slot::QD && !BankFormat::IsAnswer(slot) && q.texts[k].empty()) continue;
                put(BankFormat::TagOf(slot), Encoder::Encode(q.texts[k]));
            }
        }
        return out;
    }

    std::string m_file;
    Diagnostics m_errors;
    std::vector<std::string> m_topics;
    std::map<std::string, int> m_topicLines;
    std::map<int, int> m_gazetteLines;
    int m_numRisposte = 4;
    int m_nrLine = 0;
    std::vector<Question> m_questions;
    std::optional<Question> m_current;
};

}  // namespace

Result Compile(std::string_view source, const std::string& fileName)
{
    return Compiler(fileName).Run(source);
}

Result CompileFile(const std::filesystem::path& path)
{
    const auto data = TextFile::ReadAll(path);
    if (!data) {
        Result result;
        result.errors.push_back({path.string(), 0, "cannot read the file"});
        return result;
    }
    auto result = Compile(*data, path.string());
    if (result.Ok()) {
        // Images are looked up beside the bank, so they must be beside its source too.
        int lineNo = 0;
        for (const std::string_view line : TextFile::SplitLines(*data)) {
            ++lineNo;
            if (!line.starts_with("IM:")) continue;
            const auto name = std::string(line.substr(3));
            std::error_code ec;
            if (!std::filesystem::exists(path.parent_path() / name, ec))
                result.warnings.push_back({path.string(), lineNo, "image \"" + name + "\" not found beside the source"});
        }
    }
    return result;
}

}  // namespace SourceCompiler
