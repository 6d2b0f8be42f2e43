// Moodle XML: "multichoice" questions with one right answer; "category" entries name the topics.

#include "tools/import/HtmlText.h"
#include "tools/import/Readers.h"
#include "tools/import/TextTools.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

namespace Import {

namespace {

class MoodleXmlReader {
public:
    explicit MoodleXmlReader(const std::string& input) { m_bank.input = input; }

    Bank Run(std::string_view text, bool* unreadable)
    {
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n') m_lineStarts.push_back(i + 1);
        pugi::xml_document doc;
        const auto parsed = doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
        const pugi::xml_node quiz = doc.child("quiz");
        if (!parsed || !quiz) {
            m_bank.Skip(parsed ? 0 : LineOf(static_cast<size_t>(std::max<ptrdiff_t>(parsed.offset, 0))),
                        parsed ? "no <quiz> element: not a Moodle XML file"
                               : std::string("not well-formed XML: ") + parsed.description());
            if (unreadable) *unreadable = true;
            return std::move(m_bank);
        }
        for (const pugi::xml_node q : quiz.children("question")) Question(q);
        return std::move(m_bank);
    }

private:
    int LineOf(size_t offset) const
    {
        return static_cast<int>(std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset) - m_lineStarts.begin());
    }

    int LineOf(const pugi::xml_node node) const
    {
        const ptrdiff_t offset = node.offset_debug();
        return offset < 0 ? 0 : LineOf(static_cast<size_t>(offset));
    }

    // The text of a <questiontext>, <answer> or <feedback>, as its format says.
    static std::string Text(const pugi::xml_node node)
    {
        const std::string_view format = node.attribute("format").as_string("html");
        const char* value = node.child("text").child_value();
        if (format == "plain_text" || format == "markdown") return PlainToText(value);
        return HtmlToText(value);
    }

    static std::optional<double> Fraction(const pugi::xml_node answer)
    {
        const std::string_view s = Trim(answer.attribute("fraction").as_string("0"));
        double value = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
        return value;
    }

    void Question(const pugi::xml_node node)
    {
        const int line = LineOf(node);
        const std::string_view type = node.attribute("type").as_string();
        if (type == "category") {
            m_category = CategoryTopic(node.child("category").child("text").child_value());
            return;
        }
        if (type != "multichoice") return m_bank.Skip(line, "question of type \"" + std::string(type) + "\": not imported");
        const std::string_view single = Trim(node.child("single").child_value());
        if (single != "true" && single != "1")
            return m_bank.Skip(line, "multiple-answer question (<single> is not true): not imported");

        Import::Question q;
        q.line = line;
        q.argomento = m_category;
        q.domanda = Text(node.child("questiontext"));
        if (std::strstr(node.child("questiontext").child("text").child_value(), "<img"))
            m_bank.Note(line, "picture in the question text left out");
        std::string rightFeedback;
        for (const pugi::xml_node answer : node.children("answer")) {
            const auto fraction = Fraction(answer);
            if (!fraction) return m_bank.Skip(LineOf(answer), "answer fraction \"" + std::string(answer.attribute("fraction").as_string()) + "\" is not a number");
            if (*fraction > 0 && *fraction < 100)
                return m_bank.Skip(line, "partial credit (fraction " + std::string(answer.attribute("fraction").as_string()) + "): not imported");
            q.risposte.push_back(Text(answer));
            if (*fraction >= 100) {
                if (q.esatta != 0) return m_bank.Skip(line, "more than one answer with fraction 100");
                q.esatta = static_cast<int>(q.risposte.size());
                rightFeedback = Text(answer.child("feedback"));
            }
        }
        q.spiegazione = Text(node.child("generalfeedback"));
        if (q.spiegazione.empty()) q.spiegazione = rightFeedback;
        m_bank.quesiti.push_back(std::move(q));
    }

    Bank m_bank;
    std::vector<size_t> m_lineStarts{0};
    std::string m_category;
};

}  // namespace

Bank ReadMoodleXml(std::string_view text, const std::string& input, bool* unreadable)
{
    return MoodleXmlReader(input).Run(text, unreadable);
}

}  // namespace Import
