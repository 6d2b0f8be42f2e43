#include "tools/BankChecker.h"

#include "bank/DataFileRules.h"
#include "bank/ModEncoding.h"
#include "bank/TextFile.h"

#include <algorithm>
#include <optional>

namespace BankChecker {

namespace {

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
        if (!ModEncoding::DigitValue(text[i]))
            return Column(i) + "character \"" + Printable(text.substr(i, 1)) + "\" is outside the codec alphabet";
        digits += text[i];
    }
    if (digits.size() % 5 != 0)
        return "encoded text of " + std::to_string(digits.size())
               + " characters is not a whole number of 5-character groups";
    for (size_t i = 0; i < digits.size(); i += 5) {
        uint32_t value = 0;
        for (size_t k = 0; k < 5; ++k)
            value |= *ModEncoding::DigitValue(digits[i + k]) << (5 * k);
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

// The byte-level findings of a data file here; the bank's rules, its layout
// included, are DataFileRules'.
class Checker {
public:
    explicit Checker(std::string fileName)
        : m_file(std::move(fileName)),
          m_rules(DataFileRules::Input::DataFile,
                  [this](int line, std::string message) { Problem(line, std::move(message)); })
    {
    }

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
        m_rules.End();
        if (lfOnly > 0)
            Problem(firstLfOnly, "line ends in LF alone, not CR LF (" + std::to_string(lfOnly) + " such lines)");
        if (summary) *summary = {m_rules.TopicCount(), m_rules.QuestionCount()};
        std::stable_sort(m_problems.begin(), m_problems.end(),
                         [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
        return std::move(m_problems);
    }

private:
    void Problem(int line, std::string message) { m_problems.push_back({m_file, line, std::move(message)}); }

    void Line(std::string_view line, int lineNo)
    {
        if (line.empty()) return Problem(lineNo, "empty line");
        m_rules.Line(lineNo, line);
        const auto tag = DataFileFormat::TagOfLine(line);
        if (!tag) return;
        const std::string_view value = DataFileFormat::ValueOf(line);
        if (*tag == DataFileFormat::Tag::AM) {
            for (const char c : value)
                if (BadTextByte(static_cast<unsigned char>(c))) {
                    Problem(lineNo, "topic name holds byte " + Hex(static_cast<unsigned char>(c))
                                        + ", which is no text character");
                    break;
                }
        } else if (DataFileFormat::IsText(*tag) && !value.empty()) {
            if (const auto problem = EncodedProblem(value))
                Problem(lineNo, "undecodable text: " + *problem);
            else if (const auto departure = StoredFormDeparture(value))
                Problem(lineNo, "text not in stored form (it decodes): " + *departure);
        }
    }

    std::string m_file;
    Diagnostics m_problems;
    DataFileRules m_rules;
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
