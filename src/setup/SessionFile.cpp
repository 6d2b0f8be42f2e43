#include "setup/SessionFile.h"

#include "bank/cQuesiti.h"
#include "bank/ErrorText.h"
#include "bank/ReplaceFile.h"
#include "bank/TextConvert.h"
#include "bank/TextFile.h"


namespace SessionFile {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

// Takes the lines in order and keeps the first problem met; the values read
// after it are defaults, and only the problem counts.
class Reader {
public:
    explicit Reader(std::string_view data) : m_lines(TextFile::SplitLines(data)) {}

    std::string_view Line()
    {
        if (m_next < m_lines.size()) return m_lines[m_next++];
        Problem("lettura oltre la fine del file");
        return {};
    }

    int32_t Number(std::string_view text)
    {
        const auto v = TextConvert::ToInt32(text);
        if (!v) Problem("valore non numerico: \"" + std::string(text) + "\"");
        return v.value_or(0);
    }

    bool Boolean(std::string_view text)
    {
        const auto v = TextConvert::ToBool(text);
        if (!v) Problem("valore non valido: \"" + std::string(text) + "\"");
        return v.value_or(false);
    }

    std::string Digits(std::string_view text)
    {
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] < '0' || text[i] > '9')
                Problem(ErrorText::DescribeBankError(BankError::Kind::AnswerDigits, std::to_string(i + 1)));
        return std::string(text);
    }

    void Problem(std::string description)
    {
        if (!m_problem) m_problem = std::move(description);
    }
    const std::optional<std::string>& FirstProblem() const { return m_problem; }

private:
    std::vector<std::string_view> m_lines;
    size_t m_next = 0;
    std::optional<std::string> m_problem;
};

void ReadSettings(Reader& r, Contents& c)
{
    const auto fields = Split(r.Line(), '|');
    if (fields.size() < 7) {
        r.Problem("riga delle impostazioni incompleta");
        return;
    }
    c.topicFilter = r.Number(fields[1]);
    c.dataFile = fields[2];
    c.orderMode = r.Number(fields[3]);
    c.questionCount = r.Number(fields[4]);
    c.keepAnswerOrder = r.Boolean(fields[5]);
    c.recordWrongAnswers = r.Boolean(fields[6]);
}

}  // namespace

Expected<Contents> Read(const std::filesystem::path& path)
{
    const auto data = TextFile::ReadAll(path);
    if (!data) return Fail("impossibile aprire il file " + path.filename().string());
    Reader r(*data);
    Contents c;
    const std::string_view magic = r.Line();
    if (magic == LegacyMagic) {
        c.legacy = true;
        c.dataFile = r.Line();
        c.topicFilter = r.Number(r.Line());
    } else if (magic == Magic) {
        ReadSettings(r, c);
    } else if (!r.FirstProblem()) {
        return Fail(Failure::Kind::NotASession);
    }
    c.position = r.Number(r.Line());
    for (const std::string_view entry : Split(r.Line(), ';')) c.codes.push_back(TextConvert::ToInt32(entry));
    c.answers = r.Digits(r.Line());
    c.correct = r.Digits(r.Line());
    if (const auto& problem = r.FirstProblem()) return Fail(*problem);
    return c;
}

Expected<void> Write(const std::filesystem::path& path, const std::string& settings, int32_t position,
                     const cQuesiti& test)
{
    std::string codes;
    for (const auto& q : test) codes += std::to_string(q->Codice) + ";";
    std::string content;
    for (const std::string& line :
         {std::string(Magic), settings, std::to_string(position), codes, test.RisposteDate(), test.RisposteCorrette()}) {
        content += line;
        content += "\r\n";
    }
    return ReplaceFile::Replace(path, content);
}

}  // namespace SessionFile
