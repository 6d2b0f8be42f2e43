#include "bank/DataFileRules.h"

#include "bank/Cp1252.h"
#include "bank/Diagnostic.h"

#include <algorithm>

using namespace DataFileFormat;

namespace {

std::string TagName(Tag tag) { return std::string(TagText(tag)); }

}  // namespace

DataFileRules::DataFileRules(Input input, Report report) : m_input(input), m_report(std::move(report)) {}

const std::optional<QiFields>& DataFileRules::Fields() const
{
    static const std::optional<QiFields> none;
    return m_current ? m_current->fields : none;
}

std::string DataFileRules::Shown(std::string_view value) const
{
    return m_input == Input::Source ? Cp1252::ToUtf8(value) : Printable(value);
}

void DataFileRules::Line(int lineNo, std::string_view line)
{
    const auto tag = TagOfLine(line);
    const std::string_view value = ValueOf(line);
    if (!tag)
        return Problem(lineNo, "unknown tag \"" + Shown(line.substr(0, TagLength))
                                   + "\": the program ignores this line (a line starts with AM:, NR:, QI:, QD:, NO:, "
                                     "LE:, HI:, IM: or R1: to R5:)");
    if (*tag == Tag::AM) return Topic(value, lineNo);
    if (*tag == Tag::NR) return NumRisposteLine(value, lineNo);
    if (*tag == Tag::QI) return StartQuestion(value, lineNo);
    if (!m_current) return Problem(lineNo, TagName(*tag) + " line before the first QI: line");
    Text(*tag, value, lineNo);
}

void DataFileRules::Topic(std::string_view name, int lineNo)
{
    if (m_questionCount > 0) Problem(lineNo, "AM: line after the first question");
    else if (m_nrLine != 0) Problem(lineNo, "AM: line after the NR: line");
    if (name.empty()) Problem(lineNo, "empty topic name");
    // The program's topic list keeps a name once, so a second one shifts the numbers after it.
    const auto [it, added] = m_topics.emplace(std::string(name), lineNo);
    if (!added)
        Problem(lineNo, "duplicate topic \"" + Shown(name) + "\" (first on line " + std::to_string(it->second)
                            + "); the program merges it and the later topic numbers shift");
}

void DataFileRules::NumRisposteLine(std::string_view value, int lineNo)
{
    if (m_nrLine != 0) Problem(lineNo, "second NR: line (first on line " + std::to_string(m_nrLine) + ")");
    else if (m_questionCount > 0) Problem(lineNo, "NR: line after the first question");
    if (m_nrLine == 0) m_nrLine = lineNo;
    const auto n = StrictInt(value);
    if (!n || !ValidNumRisposte(*n))
        return Problem(lineNo, "NR: value \"" + Shown(value) + "\" is not a number from "
                                   + std::to_string(MinNumRisposte) + " to " + std::to_string(MaxNumRisposte));
    m_numRisposte = *n;
}

void DataFileRules::StartQuestion(std::string_view value, int lineNo)
{
    FinishQuestion();
    ++m_questionCount;
    m_current.emplace();
    m_current->line = lineNo;
    m_current->lines[IndexOf(Tag::QI)] = lineNo;
    m_current->lastTag = IndexOf(Tag::QI);
    m_current->fields = ParseQi(value);
    if (!m_current->fields)
        return Problem(lineNo, "malformed QI: \"" + Shown(value)
                                   + "\" (four integers separated by commas: gazette number, topic, difficulty, "
                                     "correct answer)");
    const QiFields& f = *m_current->fields;
    if (f.argomento < 1 || f.argomento > TopicCount())
        Problem(lineNo, "topic " + std::to_string(f.argomento) + " does not exist (topics defined: "
                            + std::to_string(TopicCount()) + ")");
    if (!ValidDifficolta(f.difficolta))
        Problem(lineNo, "difficulty " + std::to_string(f.difficolta) + " is not 1, 2, 3 or 9 (cancelled)");
    const auto [it, added] = m_gazetteLines.emplace(f.gazzetta, lineNo);
    if (!added)
        Problem(lineNo, "gazette number " + std::to_string(f.gazzetta) + " already used on line "
                            + std::to_string(it->second));
}

void DataFileRules::Text(Tag tag, std::string_view value, int lineNo)
{
    Question& q = *m_current;
    const size_t k = IndexOf(tag);
    const bool layout = m_input == Input::DataFile;
    if (q.lines[k] != 0)
        Problem(lineNo, "second " + TagName(tag) + " line in this question (first on line " + std::to_string(q.lines[k])
                            + "); the program keeps the last one");
    else if (layout && k < q.lastTag)
        Problem(lineNo, TagName(tag) + " line out of order: after " + TagName(static_cast<Tag>(q.lastTag)));
    q.lines[k] = lineNo;
    q.empty[k] = value.empty();
    q.lastTag = std::max(q.lastTag, k);

    if (value.empty() && tag == Tag::QD) Problem(lineNo, "empty question text");
    if (value.empty() && layout && IsOptionalText(tag))
        Problem(lineNo, "empty " + TagName(tag) + " line (left out when there is no text)");
    if (!IsAnswer(tag)) return;
    const int32_t n = AnswerNumber(tag);
    if (n > m_numRisposte && !value.empty())
        Problem(lineNo, "answer " + std::to_string(n) + " in a bank of " + std::to_string(m_numRisposte)
                            + " answers per question");
    else if (layout && n == MaxNumRisposte && m_numRisposte != MaxNumRisposte)
        Problem(lineNo, "R5: line in a bank of " + std::to_string(m_numRisposte) + " answers per question");
}

void DataFileRules::FinishQuestion()
{
    if (!m_current) return;
    const Question& q = *m_current;
    if (q.lines[IndexOf(Tag::QD)] == 0) Problem(q.line, "question without a QD: line");
    if (m_input == Input::DataFile) {
        std::string missing;
        for (int32_t n = 1; n <= std::max(DefaultNumRisposte, m_numRisposte); ++n)
            if (q.lines[IndexOf(AnswerTag(n))] == 0) missing += (missing.empty() ? "" : ", ") + TagName(AnswerTag(n));
        if (!missing.empty()) Problem(q.line, "answer line missing: " + missing);
    }
    if (q.fields) {
        const int32_t c = q.fields->corretta;
        if (c < 1 || c > m_numRisposte) {
            Problem(q.line, "correct answer " + std::to_string(c) + " is outside 1.." + std::to_string(m_numRisposte));
        } else {
            const size_t k = IndexOf(AnswerTag(c));
            if (q.lines[k] == 0 || q.empty[k])
                Problem(q.line, "correct answer " + std::to_string(c) + " has no text (" + TagName(AnswerTag(c))
                                    + " missing or empty)");
        }
    }
    m_current.reset();
}

void DataFileRules::End()
{
    FinishQuestion();
    if (m_topics.empty()) Problem(0, "no topics: the bank needs at least one \"AM:\" line");
    if (m_questionCount == 0) Problem(0, "no questions: the bank needs at least one \"QI:\" line");
}
