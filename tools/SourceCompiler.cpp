#include "tools/SourceCompiler.h"

#include "bank/Cp1252.h"
#include "bank/DataFileRules.h"
#include "bank/DataFileWriter.h"
#include "bank/TextFile.h"

#include <algorithm>
#include <optional>

namespace SourceCompiler {

namespace {

using DataFileFormat::Tag;

struct Question {
    DataFileFormat::QiFields fields;
    DataFileWriter::Texts texts;  // cp1252, plain
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
    explicit Compiler(std::string fileName)
        : m_file(std::move(fileName)),
          m_rules(DataFileRules::Input::Source, [this](int line, std::string message) { Error(line, std::move(message)); })
    {
    }

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
        m_rules.End();

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
            return Cp1252::FromUtf8Lenient(utf8);
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

    // The rules judge the line; the bank keeps what a valid one says, and is
    // written only when no rule was broken.
    void Line(const std::string& line, int lineNo)
    {
        const int topics = m_rules.TopicCount();
        m_rules.Line(lineNo, line);
        const auto tag = DataFileFormat::TagOfLine(line);
        if (!tag) return;
        const std::string_view value = DataFileFormat::ValueOf(line);
        if (*tag == Tag::AM && m_rules.TopicCount() > topics) m_topics.emplace_back(value);
        else if (*tag == Tag::QI) m_questions.push_back({m_rules.Fields().value_or(DataFileFormat::QiFields{}), {}});
        else if (DataFileFormat::IsText(*tag) && !m_questions.empty()) m_questions.back().texts[*tag] = value;
    }

    std::string Emit() const
    {
        DataFileWriter writer;
        for (const auto& t : m_topics) writer.Topic(t);
        writer.NumRisposte(m_rules.NumRisposte());
        for (const auto& q : m_questions) writer.Question(q.fields, q.texts);
        return std::string(writer.Data());
    }

    std::string m_file;
    Diagnostics m_errors;
    DataFileRules m_rules;
    std::vector<std::string> m_topics;
    std::vector<Question> m_questions;
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
            if (DataFileFormat::TagOfLine(line) != Tag::IM) continue;
            const auto name = std::string(DataFileFormat::ValueOf(line));
            std::error_code ec;
            if (!std::filesystem::exists(path.parent_path() / name, ec))
                result.warnings.push_back({path.string(), lineNo, "image \"" + name + "\" not found beside the source"});
        }
    }
    return result;
}

}  // namespace SourceCompiler
