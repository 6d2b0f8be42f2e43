// GIFT: single-answer multiple choice only; every other kind is told and skipped.

#include "tools/import/HtmlText.h"
#include "tools/import/Readers.h"
#include "tools/import/TextTools.h"

#include "bank/TextFile.h"

#include <cctype>
#include <optional>

namespace Import {

namespace {

// A line break written "\n" in the text, kept apart from the file's own.
constexpr char EscapedNewline = '\x01';

struct Chunk {
    int line = 0;
    std::string text;  // the question's lines joined with "\n"
};

// Position of the first c not escaped by "\" from `from` on, or npos.
size_t FindUnescaped(std::string_view s, char c, size_t from = 0)
{
    for (size_t i = from; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
            continue;
        }
        if (s[i] == c) return i;
    }
    return std::string_view::npos;
}

std::string Unescape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char next = s[++i];
            out.push_back(next == 'n' ? EscapedNewline : next);
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

struct Choice {
    bool right = false;
    bool weighted = false;
    bool matching = false;
    std::string text, feedback;
};

class GiftReader {
public:
    explicit GiftReader(const std::string& input) { m_bank.input = input; }

    Bank Run(std::string_view text)
    {
        Chunk chunk;
        int lineNo = 0;
        for (const std::string_view raw : TextFile::SplitLines(text)) {
            ++lineNo;
            const std::string_view line = Trim(raw);
            if (line.starts_with("//")) continue;
            if (line.empty()) {
                Question(chunk);
                chunk = {};
                continue;
            }
            if (chunk.text.empty() && StartsWithNoCase(line, "$CATEGORY:")) {
                m_category = CategoryTopic(Trim(line.substr(10)));
                continue;
            }
            if (chunk.text.empty()) chunk.line = lineNo;
            else chunk.text += '\n';
            chunk.text += raw;
        }
        Question(chunk);
        return std::move(m_bank);
    }

private:
    std::string Text(std::string_view raw) const
    {
        std::string text = Unescape(raw);
        if (m_html) {
            for (size_t at; (at = text.find(EscapedNewline)) != std::string::npos;) text.replace(at, 1, "<br>");
            return HtmlToText(text);
        }
        std::string out;
        size_t start = 0;
        for (;;) {
            const size_t nl = text.find(EscapedNewline, start);
            const std::string piece = CollapseBlanks(std::string_view(text).substr(start, nl - start));
            if (!out.empty() && !piece.empty()) out += "<br>";
            out += piece;
            if (nl == std::string::npos) break;
            start = nl + 1;
        }
        return out;
    }

    void Question(const Chunk& chunk)
    {
        std::string_view s = Trim(chunk.text);
        if (s.empty()) return;
        const auto skip = [&](const std::string& why) { m_bank.Skip(chunk.line, why); };

        if (s.starts_with("::")) {
            const size_t end = s.find("::", 2);
            if (end == std::string_view::npos) return skip("title \"::\" never closed");
            s = Trim(s.substr(end + 2));
        }
        m_html = false;
        if (s.starts_with("[")) {
            const size_t end = s.find(']');
            const std::string_view format = end == std::string_view::npos ? "" : s.substr(1, end - 1);
            if (format == "html") m_html = true;
            else if (format != "plain" && format != "moodle" && format != "markdown")
                return skip("unknown text format \"[" + std::string(format) + "]\"");
            s = s.substr(end + 1);
        }
        const size_t open = FindUnescaped(s, '{');
        if (open == std::string_view::npos) return skip("no answers: a description, not a question");
        const size_t close = FindUnescaped(s, '}', open + 1);
        if (close == std::string_view::npos) return skip("answer block \"{\" never closed");
        if (FindUnescaped(s, '{', close + 1) != std::string_view::npos)
            return skip("more than one answer block: not a single-answer multiple choice");

        const std::string_view block = Trim(s.substr(open + 1, close - open - 1));
        const std::string_view before = Trim(s.substr(0, open)), after = Trim(s.substr(close + 1));
        if (const auto kind = OtherKind(block)) return skip(*kind + " question: not imported");

        std::string general;
        std::vector<Choice> choices;
        if (const auto problem = Choices(block, choices, general)) return skip(*problem);
        int right = 0, rights = 0;
        for (size_t k = 0; k < choices.size(); ++k) {
            if (choices[k].weighted) return skip("answer weights (\"%\"): not imported");
            if (choices[k].matching) return skip("matching question: not imported");
            if (choices[k].right) ++rights, right = static_cast<int>(k) + 1;
        }
        if (rights == static_cast<int>(choices.size())) return skip("short-answer question: not imported");
        if (rights > 1) return skip("more than one right answer (\"=\"): not imported");
        if (rights == 0) return skip("no right answer (\"=\")");

        Import::Question q;
        q.line = chunk.line;
        q.argomento = m_category;
        // The missing-word form: the choices stand in the blank.
        const std::string tail = Text(after);
        q.domanda = Text(before) + (tail.empty() ? "" : " _____" + std::string(std::ispunct(static_cast<unsigned char>(tail[0])) ? "" : " ") + tail);
        q.esatta = right;
        for (const auto& c : choices) q.risposte.push_back(Text(c.text));
        q.spiegazione = Text(general.empty() ? choices[right - 1].feedback : general);
        m_bank.quesiti.push_back(std::move(q));
    }

    // The kind of a block that is no multiple choice, or nothing.
    static std::optional<std::string> OtherKind(std::string_view block)
    {
        if (block.empty()) return "essay";
        if (block.starts_with("#")) return "numeric";
        const std::string_view head = Trim(block.substr(0, FindUnescaped(block, '#')));
        for (const char* tf : {"T", "F", "TRUE", "FALSE"})
            if (head == tf) return "true/false";
        if (block[0] != '=' && block[0] != '~') return "unknown";
        return std::nullopt;
    }

    static std::optional<std::string> Choices(std::string_view block, std::vector<Choice>& choices,
                                              std::string& general)
    {
        // General feedback closes the block: "####text".
        const size_t generalAt = block.find("####");
        if (generalAt != std::string_view::npos && (generalAt == 0 || block[generalAt - 1] != '\\')) {
            general = block.substr(generalAt + 4);
            block = block.substr(0, generalAt);
        }
        size_t i = 0;
        while (i < block.size()) {
            const char mark = block[i];
            if (mark != '=' && mark != '~') return "unexpected text in the answer block";
            size_t next = i + 1;
            while (next < block.size()) {
                if (block[next] == '\\') next += 2;
                else if (block[next] == '=' || block[next] == '~') break;
                else ++next;
            }
            next = std::min(next, block.size());
            std::string_view body = Trim(block.substr(i + 1, next - i - 1));
            Choice c;
            c.right = mark == '=';
            if (body.starts_with("%")) c.weighted = true;
            const size_t hash = FindUnescaped(body, '#');
            if (hash != std::string_view::npos) {
                c.feedback = body.substr(hash + 1);
                body = body.substr(0, hash);
            }
            c.matching = body.find("->") != std::string_view::npos;
            c.text = Trim(body);
            choices.push_back(std::move(c));
            i = next;
        }
        return std::nullopt;
    }

    Bank m_bank;
    std::string m_category;
    bool m_html = false;
};

}  // namespace

Bank ReadGift(std::string_view text, const std::string& input) { return GiftReader(input).Run(text); }

}  // namespace Import
