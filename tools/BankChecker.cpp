#include "tools/BankChecker.h"

#include "bank/ModEncoding.h"
#include "bank/TextFile.h"

#include "tools/BankFormat.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace BankChecker {

namespace {

using BankFormat::Slot;

constexpr size_t SlotCount = static_cast<size_t>(Slot::R5) + 1;

constexpr std::array<int8_t, 256> MakeDigitTable()
{
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (size_t k = 0; k < ModEncoding::CodecAlphabet.size(); ++k) {
        const char c = ModEncoding::CodecAlphabet[k];
        table[static_cast<unsigned char>(c)] = static_cast<int8_t>(k);
        if (c >= 'A' && c <= 'Z') table[static_cast<unsigned char>(c - 'A' + 'a')] = static_cast<int8_t>(k);
    }
    return table;
}

// As the program decodes: lower case reads as upper case.
constexpr auto DigitOf = MakeDigitTable();

// Bytes the code page leaves undefined, and control characters no text should hold.
bool BadTextByte(unsigned char c)
{
    return (c < 0x20 && c != '\t') || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

std::string Hex(unsigned char c)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    return std::string("0x") + Digits[c >> 4] + Digits[c & 15];
}

std::string Column(size_t i) { return "column " + std::to_string(i + 4) + ": "; }

// The first reason an encoded text cannot decode cleanly, or nothing. The
// program skips "-" and reads lower case as upper case, so these decode.
std::optional<std::string> EncodedProblem(std::string_view text)
{
    std::string digits;
    digits.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '-') continue;
        if (DigitOf[static_cast<unsigned char>(text[i])] < 0)
            return Column(i) + "character \"" + Printable(text.substr(i, 1)) + "\" is outside the codec alphabet";
        digits += text[i];
    }
    if (digits.size() % 5 != 0)
        return "encoded text of " + std::to_string(digits.size())
               + " characters is not a whole number of 5-character groups";
    for (size_t i = 0; i < digits.size(); i += 5) {
        uint32_t value = 0;
        for (size_t k = 0; k < 5; ++k)
            value |= static_cast<uint32_t>(DigitOf[static_cast<unsigned char>(digits[i + k])]) << (5 * k);
        const std::string group = digits.substr(i, 5);
        if (value > 0xFFFFFF) return "group " + group + " decodes to a character code above 255";
        for (const uint32_t c : {value >> 16, (value >> 8) & 0xFF, value & 0xFF})
            if (BadTextByte(static_cast<unsigned char>(c)))
                return "group " + group + " decodes to byte " + Hex(static_cast<unsigned char>(c))
                       + ", which is no text character";
    }
    return std::nullopt;
}

// Where decodable text departs from the stored form (upper case, no separators).
std::optional<std::string> StoredFormDeparture(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '-') return Column(i) + "separator \"-\" between groups";
        if (text[i] >= 'a' && text[i] <= 'z')
            return Column(i) + "lower-case \"" + std::string(1, text[i]) + "\"";
    }
    return std::nullopt;
}

struct Question {
    int line = 0;
    std::optional<std::vector<int>> fields;
    std::array<int, SlotCount> lines{};  // 0 = absent
    std::array<bool, SlotCount> empty{};
    int lastSlot = 0;
};

class Checker {
public:
    Checker(std::string fileName) : m_file(std::move(fileName)) {}

    Diagnostics Run(std::string_view data, Summary* summary)
    {
        if (data.starts_with("\xEF\xBB\xBF")) {
            Problem(1, "byte-order mark at the start of the file (the first line is lost to the program)");
            data.remove_prefix(3);
        }
        int lineNo = 0;
        size_t start = 0;
        int lfOnly = 0, firstLfOnly = 0;
        while (start < data.size()) {
            ++lineNo;
            const size_t lf = data.find('\n', start);
            const size_t end = lf == std::string_view::npos ? data.size() : lf;
            std::string_view line = data.substr(start, end - start);
            start = end + 1;
            if (lf == std::string_view::npos) {
                Problem(lineNo, "the last line has no line end");
                if (line.ends_with('\r')) line.remove_suffix(1);
            } else if (line.ends_with('\r')) {
                line.remove_suffix(1);
            } else if (lfOnly++ == 0) {
                firstLfOnly = lineNo;
            }
            if (line.find('\r') != std::string_view::npos) Problem(lineNo, "carriage return inside the line");
            Line(line, lineNo);
        }
        FinishQuestion();
        if (lfOnly > 0)
            Problem(firstLfOnly, "line ends in LF alone, not CR LF (" + std::to_string(lfOnly) + " such lines)");
        if (m_topics.empty()) Problem(0, "no topics (AM: lines)");
        if (m_questionCount == 0) Problem(0, "no questions (QI: lines)");
        if (summary) *summary = {static_cast<int>(m_topics.size()), m_questionCount};
        std::stable_sort(m_problems.begin(), m_problems.end(),
                         [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
        return std::move(m_problems);
    }

private:
    void Problem(int line, std::string message) { m_problems.push_back({m_file, line, std::move(message)}); }

    void Line(std::string_view line, int lineNo)
    {
        if (line.empty()) return Problem(lineNo, "empty line");
        const std::string_view tag = line.substr(0, 3);
        const std::string_view value = line.size() > 3 ? line.substr(3) : std::string_view();
        if (tag == "AM:") return Topic(value, lineNo);
        if (tag == "NR:") return NumRisposte(value, lineNo);
        const auto slot = BankFormat::QuestionSlot(tag);
        if (!slot) return Problem(lineNo, "unknown tag \"" + Printable(tag) + "\" (the program ignores this line)");
        if (*slot == Slot::QI) return StartQuestion(value, lineNo);
        if (!m_current) return Problem(lineNo, std::string(tag) + " line before the first QI: line");
        Text(*slot, value, lineNo);
    }

    void Topic(std::string_view name, int lineNo)
    {
        if (m_questionCount > 0) Problem(lineNo, "AM: line after the first question");
        else if (m_nrLine != 0) Problem(lineNo, "AM: line after the NR: line");
        if (name.empty()) Problem(lineNo, "empty topic name");
        for (const char c : name)
            if (BadTextByte(static_cast<unsigned char>(c))) {
                Problem(lineNo, "topic name holds byte " + Hex(static_cast<unsigned char>(c))
                                    + ", which is no text character");
                break;
            }
        const auto [it, added] = m_topics.emplace(std::string(name), lineNo);
        if (!added)
            Problem(lineNo, "duplicate topic \"" + Printable(name) + "\" (first on line " + std::to_string(it->second)
                                + "); the program merges it and the later topic numbers shift");
    }

    void NumRisposte(std::string_view value, int lineNo)
    {
        if (m_nrLine != 0) Problem(lineNo, "second NR: line (first on line " + std::to_string(m_nrLine) + ")");
        else if (m_questionCount > 0) Problem(lineNo, "NR: line after the first question");
        m_nrLine = lineNo;
        const auto n = BankFormat::StrictInt(value);
        if (!n || *n < 2 || *n > 5) return Problem(lineNo, "NR: value \"" + Printable(value) + "\" is not a number from 2 to 5");
        m_numRisposte = *n;
    }

    void StartQuestion(std::string_view value, int lineNo)
    {
        FinishQuestion();
        ++m_questionCount;
        m_current.emplace();
        m_current->line = lineNo;
        m_current->lines[0] = lineNo;
        m_current->fields = BankFormat::QiFields(value);
        if (!m_current->fields)
            return Problem(lineNo, "malformed QI: \"" + Printable(value)
                                       + "\" (four integers separated by commas: gazette number, topic, "
                                         "difficulty, correct answer)");
        const auto& f = *m_current->fields;
        if (f[1] < 1 || f[1] > static_cast<int>(m_topics.size()))
            Problem(lineNo, "topic " + std::to_string(f[1]) + " does not exist (topics defined so far: "
                                + std::to_string(m_topics.size()) + ")");
        if (!BankFormat::ValidDifficolta(f[2]))
            Problem(lineNo, "difficulty " + std::to_string(f[2]) + " is not 1, 2, 3 or 9 (cancelled)");
        const auto [it, added] = m_gazetteLines.emplace(f[0], lineNo);
        if (!added)
            Problem(lineNo, "gazette number " + std::to_string(f[0]) + " already used on line "
                                + std::to_string(it->second));
    }

    void Text(Slot slot, std::string_view value, int lineNo)
    {
        Question& q = *m_current;
        const auto k = static_cast<size_t>(slot);
        const std::string tag(BankFormat::TagOf(slot));
        if (q.lines[k] != 0)
            Problem(lineNo, "second " + tag + " line in this question (first on line " + std::to_string(q.lines[k])
                                + "); the program keeps the last one");
        else if (static_cast<int>(k) < q.lastSlot)
            Problem(lineNo, tag + " line out of order: after " + std::string(BankFormat::TagOf(static_cast<Slot>(q.lastSlot))));
        q.lines[k] = lineNo;
        q.empty[k] = value.empty();
        q.lastSlot = std::max(q.lastSlot, static_cast<int>(k));

        if (value.empty()) {
            if (slot == Slot::QD) Problem(lineNo, "empty question text");
            else if (!BankFormat::IsAnswer(slot)) Problem(lineNo, "empty " + tag + " line (left out when there is no text)");
        } else if (const auto problem = EncodedProblem(value)) {
            Problem(lineNo, "undecodable text: " + *problem);
        } else if (const auto departure = StoredFormDeparture(value)) {
            Problem(lineNo, "text not in stored form (it decodes): " + *departure);
        }
        if (BankFormat::IsAnswer(slot)) {
            const int n = BankFormat::AnswerOf(slot);
            if (n == 5 && m_numRisposte != 5)
                Problem(lineNo, "R5: line in a bank of " + std::to_string(m_numRisposte) + " answers per question");
            else if (n > m_numRisposte && !value.empty())
                Problem(lineNo, "answer " + std::to_string(n) + " in a bank of " + std::to_string(m_numRisposte)
                                    + " answers per question");
        }
    }

    void FinishQuestion()
    {
        if (!m_current) return;
        const Question& q = *m_current;
        if (q.lines[static_cast<size_t>(Slot::QD)] == 0) Problem(q.line, "question without a QD: line");
        std::string missing;
        const int answerLines = std::max(4, m_numRisposte);
        for (int n = 1; n <= answerLines; ++n)
            if (q.lines[static_cast<size_t>(Slot::R1) + n - 1] == 0) missing += (missing.empty() ? "R" : ", R") + std::to_string(n) + ":";
        if (!missing.empty()) Problem(q.line, "answer line missing: " + missing);
        if (q.fields) {
            const int c = (*q.fields)[3];
            const size_t k = static_cast<size_t>(Slot::R1) + c - 1;
            if (c < 1 || c > m_numRisposte)
                Problem(q.line, "correct answer " + std::to_string(c) + " is outside 1.." + std::to_string(m_numRisposte));
            else if (q.lines[k] == 0 || q.empty[k])
                Problem(q.line, "correct answer " + std::to_string(c) + " points at an empty answer");
        }
        m_current.reset();
    }

    std::string m_file;
    Diagnostics m_problems;
    std::map<std::string, int> m_topics;
    std::map<int, int> m_gazetteLines;
    int m_numRisposte = 4;
    int m_nrLine = 0;
    int m_questionCount = 0;
    std::optional<Question> m_current;
};

}  // namespace

Diagnostics Check(std::string_view data, const std::string& fileName, Summary* summary)
{
    return Checker(fileName).Run(data, summary);
}

Diagnostics CheckFile(const std::filesystem::path& path, Summary* summary)
{
    const auto data = TextFile::ReadAll(path);
    if (!data) {
        if (summary) *summary = {};
        return {{path.string(), 0, "cannot read the file"}};
    }
    return Check(*data, path.string(), summary);
}

}  // namespace BankChecker
