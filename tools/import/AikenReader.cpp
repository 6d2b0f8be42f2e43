// Aiken: the question on its lines, choices "A) " or "A. " one a line, then "ANSWER: X".

#include "tools/import/Readers.h"
#include "tools/import/TextTools.h"

#include "bank/TextFile.h"

#include <optional>

namespace Import {

namespace {

class AikenReader {
public:
    explicit AikenReader(const std::string& input) { m_bank.input = input; }

    Bank Run(std::string_view text)
    {
        int lineNo = 0;
        for (const std::string_view raw : TextFile::SplitLines(text)) {
            ++lineNo;
            Line(Trim(raw), lineNo);
        }
        if (m_current) Unfinished();
        return std::move(m_bank);
    }

private:
    void Line(std::string_view line, int lineNo)
    {
        if (line.empty()) return;
        if (StartsWithNoCase(line, "ANSWER:")) return Answer(Trim(line.substr(7)), lineNo);
        size_t start = 0;
        const int letter = ChoiceLetter(line, &start);
        if (m_current && letter > 0 && (!m_current->risposte.empty() || letter == 1)) {
            const int expected = static_cast<int>(m_current->risposte.size()) + 1;
            if (letter != expected && !m_broken)
                m_broken = "choice " + std::string(1, line[0]) + " on line " + std::to_string(lineNo) + " where "
                           + std::string(1, static_cast<char>('A' + expected - 1)) + " was expected";
            m_current->risposte.emplace_back(Trim(line.substr(start)));
            return;
        }
        if (m_current && !m_current->risposte.empty()) Unfinished();
        if (!m_current) {
            m_current.emplace();
            m_current->line = lineNo;
        }
        AppendWrapped(m_current->domanda, line);
    }

    void Answer(std::string_view value, int lineNo)
    {
        if (!m_current) return m_bank.Skip(lineNo, "ANSWER: line without a question");
        if (value.size() == 1 && ((value[0] >= 'A' && value[0] <= 'Z') || (value[0] >= 'a' && value[0] <= 'z')))
            m_current->esatta = (value[0] & ~0x20) - 'A' + 1;
        else if (!m_broken) m_broken = "ANSWER: \"" + std::string(value) + "\" is not one letter";
        Finish();
    }

    void Unfinished()
    {
        m_bank.Skip(m_current->line, "question never finished (no ANSWER: line)");
        m_current.reset();
        m_broken.reset();
    }

    void Finish()
    {
        if (m_broken) m_bank.Skip(m_current->line, *m_broken);
        else m_bank.quesiti.push_back(std::move(*m_current));
        m_current.reset();
        m_broken.reset();
    }

    Bank m_bank;
    std::optional<Question> m_current;
    std::optional<std::string> m_broken;
};

}  // namespace

Bank ReadAiken(std::string_view text, const std::string& input) { return AikenReader(input).Run(text); }

}  // namespace Import
