#include "tools/import/PdfLayout.h"

#include "tools/import/BankRules.h"
#include "tools/import/TextTools.h"

#include "bank/DataFileFormat.h"

#include "bank/TextFile.h"

#include <algorithm>
#include <optional>
#include <set>

namespace Import {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

std::vector<std::string_view> Words(std::string_view s)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        const size_t start = i;
        while (i < s.size() && s[i] != ' ') ++i;
        if (i > start) words.push_back(s.substr(start, i - start));
    }
    return words;
}

bool AllDigits(std::string_view s) { return !s.empty() && s.size() <= 6 && std::all_of(s.begin(), s.end(), IsDigit); }

// "12", "12 di 468", "Pagina 3", "Pag. 3 di 9", "- 12 -", "3/40".
bool IsPageNumber(std::string_view line)
{
    auto w = Words(line);
    if (w.size() >= 2 && w.front() == "-" && w.back() == "-") w = {w.begin() + 1, w.end() - 1};
    if (!w.empty() && (StartsWithNoCase(w[0], "pag.") || StartsWithNoCase(w[0], "pagina") || StartsWithNoCase(w[0], "pag")))
        w.erase(w.begin());
    if (w.size() == 1) {
        const size_t slash = w[0].find('/');
        if (slash != std::string_view::npos) return AllDigits(w[0].substr(0, slash)) && AllDigits(w[0].substr(slash + 1));
        return AllDigits(w[0]);
    }
    return w.size() == 3 && AllDigits(w[0]) && (w[1] == "di" || w[1] == "of" || w[1] == "/") && AllDigits(w[2]);
}

// A line of an answer grid: number and letter pairs only ("1 B 2 C").
bool IsKeyLine(std::string_view line)
{
    const auto w = Words(line);
    if (w.empty() || w.size() % 2 != 0) return false;
    for (size_t k = 0; k < w.size(); k += 2) {
        std::string_view n = w[k];
        if (n.ends_with('.') || n.ends_with(')')) n.remove_suffix(1);
        if (!AllDigits(n) || w[k + 1].size() != 1 || !IsUpper(w[k + 1][0]) || w[k + 1][0] > 'E') return false;
    }
    return true;
}

// One or two letters alone: what is left of a watermark, or a grid's letter cell.
bool IsStrayLetters(std::string_view line)
{
    const auto w = Words(line);
    return w.size() == 1 && w[0].size() <= 2 && std::all_of(w[0].begin(), w[0].end(), [](char c) { return IsUpper(c) || IsLower(c); });
}

bool IsNoise(std::string_view line) { return IsPageNumber(line) || IsKeyLine(line) || IsStrayLetters(line); }

// Capitals only, at least three letters (accented capitals count, accented small letters do not).
bool IsCaps(std::string_view line)
{
    int upper = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (IsLower(static_cast<char>(c))) return false;
        if (IsUpper(static_cast<char>(c))) ++upper;
        if (c == 0xC3 && i + 1 < line.size()) {
            const auto next = static_cast<unsigned char>(line[i + 1]);
            if (next >= 0xA0 && next != 0xB7) return false;
            if (next < 0x9F && next != 0x97) ++upper;
        }
    }
    return upper >= 3;
}

// "12. text" or "12) text": the number, and the text after it.
std::optional<std::pair<int, std::string_view>> QuestionStart(std::string_view line)
{
    size_t i = 0;
    while (i < line.size() && IsDigit(line[i])) ++i;
    if (i == 0 || i > 6 || i >= line.size() || (line[i] != '.' && line[i] != ')')) return std::nullopt;
    if (i + 1 < line.size() && line[i + 1] != ' ' && line[i + 1] != '\t') return std::nullopt;
    const auto n = DataFileFormat::StrictInt(line.substr(0, i));
    if (!n || *n < 1) return std::nullopt;
    return std::make_pair(*n, Trim(line.substr(i + 1)));
}

// Digits as "#", blanks collapsed, small letters: a running header repeats in this form.
std::string Shape(std::string_view line)
{
    std::string out = CollapseBlanks(line);
    for (char& c : out) {
        if (IsDigit(c)) c = '#';
        else if (IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// The lines at the top and bottom of most pages that read alike.
std::set<size_t> RunningLines(const std::vector<PdfLine>& lines)
{
    std::map<int, std::vector<size_t>> pages;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!Trim(lines[i].text).empty()) pages[lines[i].page].push_back(i);
    std::set<size_t> running;
    if (pages.size() < 3) return running;
    std::map<std::string, std::set<int>> seen;
    const auto edges = [](const std::vector<size_t>& p) {
        std::vector<size_t> e;
        for (size_t k = 0; k < p.size(); ++k)
            if (k < 2 || k + 2 >= p.size()) e.push_back(p[k]);
        return e;
    };
    for (const auto& [page, indexes] : pages)
        for (const size_t i : edges(indexes)) seen[Shape(lines[i].text)].insert(page);
    for (const auto& [page, indexes] : pages)
        for (const size_t i : edges(indexes))
            if (seen[Shape(lines[i].text)].size() * 2 >= pages.size()) running.insert(i);
    return running;
}

class PdfReader {
public:
    PdfReader(const std::vector<PdfLine>& lines, const std::string& input, const PdfOptions& options)
        : m_lines(lines), m_options(options)
    {
        m_bank.input = input;
    }

    Bank Run()
    {
        const auto running = RunningLines(m_lines);
        for (size_t i = 0; i < m_lines.size(); ++i) {
            const std::string_view line = Trim(m_lines[i].text);
            m_content.push_back(!line.empty() && !running.count(i) && !IsNoise(line));
        }
        for (size_t i = 0; i < m_lines.size(); ++i)
            if (m_content[i]) i = Line(i);
        Finish();
        Unused();
        return std::move(m_bank);
    }

private:
    int LineNo(size_t i) const { return static_cast<int>(i) + 1; }
    std::string Page(size_t i) const { return "page " + std::to_string(m_lines[i].page) + ": "; }

    size_t NextContent(size_t i) const
    {
        while (++i < m_lines.size())
            if (m_content[i]) return i;
        return i;
    }

    // Handles line i; returns the last line it took.
    size_t Line(size_t i)
    {
        const std::string_view line = Trim(m_lines[i].text);
        if (const auto start = QuestionStart(line)) {
            const int n = start->first;
            if (!m_current || m_current->risposte.size() >= 2 || n == m_current->numero + 1) {
                Start(i, n, start->second);
                return i;
            }
        }
        size_t textStart = 0;
        int letter = ChoiceLetter(line, &textStart, true);
        // Answers run A to E in the case their A had: a wrapped line starting "e." or "o." is text.
        const bool lower = letter > 0 && line[0] >= 'a';
        if (letter > 5 || (m_current && !m_current->risposte.empty() && lower != m_lowerLetters)) letter = 0;
        if (letter > 0 && m_current) {
            if (m_current->risposte.empty() && letter == 1) m_lowerLetters = lower;
            const int expected = static_cast<int>(m_current->risposte.size()) + 1;
            if (letter == expected) {
                m_current->risposte.emplace_back(Trim(line.substr(textStart)));
                return i;
            }
            if (!m_current->risposte.empty() || letter == 1) {
                if (!m_broken)
                    m_broken = Page(i) + "answer " + Letter(letter) + " on line " + std::to_string(LineNo(i)) + " where "
                               + Letter(expected) + " was expected";
                m_current->risposte.emplace_back(Trim(line.substr(textStart)));
                return i;
            }
        }
        if (IsCaps(line) && Heading(i)) return m_headingEnd;
        if (!m_current) return i;  // before the first question: a title page, a preface
        std::string& target = m_current->risposte.empty() ? m_current->domanda : m_current->risposte.back();
        AppendWrapped(target, line);
        return i;
    }

    // Capitals between questions, before a question's number: a topic heading.
    bool Heading(size_t i)
    {
        if (m_current && (m_current->risposte.size() < 2 || IsCaps(m_current->risposte.back()))) return false;
        std::string heading;
        size_t j = i;
        while (j < m_lines.size() && IsCaps(Trim(m_lines[j].text)) && !QuestionStart(Trim(m_lines[j].text))) {
            AppendWrapped(heading, m_lines[j].text);
            m_headingEnd = j;
            j = NextContent(j);
        }
        if (j >= m_lines.size() || !QuestionStart(Trim(m_lines[j].text))) return false;
        m_topic = heading;
        return true;
    }

    void Start(size_t i, int n, std::string_view text)
    {
        Finish();
        const int line = LineNo(i);
        const auto [it, added] = m_numbers.emplace(n, line);
        m_discard = !added;
        if (!added) m_bank.Skip(line, Page(i) + "question " + std::to_string(n) + " repeated (first on line "
                                          + std::to_string(it->second) + "): skipped");
        else if (m_last > 0 && n > m_last + 1)
            m_bank.Skip(line, Page(i) + (n == m_last + 2 ? "question " + std::to_string(m_last + 1)
                                                         : "questions " + std::to_string(m_last + 1) + " to " + std::to_string(n - 1))
                                  + " missing: the numbers jump from " + std::to_string(m_last) + " to " + std::to_string(n));
        else if (n < m_last)
            m_bank.Note(line, Page(i) + "question " + std::to_string(n) + " comes after " + std::to_string(m_last));
        m_last = std::max(m_last, n);
        m_current.emplace();
        m_current->line = line;
        m_current->numero = n;
        m_current->argomento = m_topic;
        m_current->domanda = std::string(text);
    }

    void Finish()
    {
        if (!m_current) return;
        if (m_broken) m_bank.Skip(m_current->line, "question " + std::to_string(m_current->numero) + ": " + *m_broken);
        else if (!m_discard) {
            if (m_options.correctFirst) m_current->esatta = 1;
            else if (const auto k = m_options.key.find(m_current->numero); k != m_options.key.end()) m_current->esatta = k->second;
            m_bank.quesiti.push_back(std::move(*m_current));
        }
        m_current.reset();
        m_broken.reset();
        m_discard = false;
    }

    // Answers the key gives for questions the document lacks.
    void Unused()
    {
        if (m_options.correctFirst || m_options.key.empty()) return;
        std::vector<int> unused;
        for (const auto& [n, letter] : m_options.key)
            if (!m_numbers.count(n)) unused.push_back(n);
        if (!unused.empty())
            m_bank.Note(0, "the answer key names " + std::to_string(unused.size()) + " question(s) not in the document (first: "
                               + std::to_string(unused.front()) + ")");
    }

    const std::vector<PdfLine>& m_lines;
    const PdfOptions& m_options;
    Bank m_bank;
    std::vector<bool> m_content;
    std::optional<Question> m_current;
    std::optional<std::string> m_broken;
    bool m_discard = false;
    std::string m_topic;
    std::map<int, int> m_numbers;  // number -> line
    int m_last = 0;
    size_t m_headingEnd = 0;
    bool m_lowerLetters = false;
};

}  // namespace

std::vector<PdfLine> LinesFromText(std::string_view text)
{
    std::vector<PdfLine> lines;
    int page = 1;
    for (std::string_view line : TextFile::SplitLines(text)) {
        // A page starts where a form feed does; the feed is no line of its own.
        while (line.starts_with('\f')) {
            ++page;
            line.remove_prefix(1);
        }
        lines.push_back({page, std::string(line)});
    }
    if (!lines.empty() && lines.back().text.empty()) lines.pop_back();
    return lines;
}

Bank ReadPdfLines(const std::vector<PdfLine>& lines, const std::string& input, const PdfOptions& options)
{
    return PdfReader(lines, input, options).Run();
}

std::map<int, int> ParseAnswerKey(std::string_view text, const std::string& input, Diagnostics& problems)
{
    // Only lines made of pairs alone count: a page of questions around the grid gives none.
    const auto separator = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == ';' || c == ',' || c == ':' || c == '=' || c == '-'
               || c == '|';
    };
    std::map<int, int> key;
    std::set<int> conflicting;
    int lineNo = 0;
    for (const std::string_view line : TextFile::SplitLines(text)) {
        ++lineNo;
        std::vector<std::string_view> tokens;
        for (size_t i = 0; i < line.size();) {
            if (separator(line[i])) {
                ++i;
                continue;
            }
            const size_t start = i;
            while (i < line.size() && !separator(line[i])) ++i;
            std::string_view t = line.substr(start, i - start);
            if (t.size() > 1 && (t.back() == '.' || t.back() == ')')) t.remove_suffix(1);
            tokens.push_back(t);
        }
        if (tokens.empty() || tokens.size() % 2 != 0) continue;
        std::vector<std::pair<int, int>> pairs;
        for (size_t k = 0; k < tokens.size(); k += 2) {
            const std::string_view letter = tokens[k + 1];
            const char c = letter.size() == 1 ? static_cast<char>(letter[0] & ~0x20) : '\0';
            if (!AllDigits(tokens[k]) || c < 'A' || c > 'E') break;
            pairs.emplace_back(*DataFileFormat::StrictInt(tokens[k]), c - 'A' + 1);
        }
        if (pairs.size() * 2 != tokens.size()) continue;
        for (const auto& [n, answer] : pairs) {
            if (n < 1 || conflicting.count(n)) continue;
            const auto [it, added] = key.emplace(n, answer);
            if (!added && it->second != answer) {
                problems.push_back({input, lineNo, "the key gives question " + std::to_string(n) + " two answers, "
                                                       + Letter(it->second) + " and " + Letter(answer) + ": neither is used"});
                key.erase(it);
                conflicting.insert(n);
            }
        }
    }
    return key;
}

}  // namespace Import
