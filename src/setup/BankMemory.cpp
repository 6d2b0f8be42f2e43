#include "setup/BankMemory.h"

#include "bank/cQuesiti.h"
#include "bank/TextFile.h"

#include "setup/AnswerLog.h"

#include <algorithm>
#include <variant>

namespace {

const QuestionMemory kNever;

}  // namespace

void BankMemory::Replay(std::string_view logText, const std::vector<int32_t>& topicOf, const AnswerSeen& seen)
{
    m_memory.assign(topicOf.size(), QuestionMemory{});
    m_firstAnswers = m_rightFirstAnswers = 0;
    const int32_t topics = topicOf.empty() ? 0 : *std::max_element(topicOf.begin(), topicOf.end());
    // A reset is applied lazily: the line of the latest reset of each topic (0: the whole
    // bank) against the line of each question's last answer, so a reset costs nothing.
    std::vector<int64_t> resetAt(static_cast<size_t>(std::max(topics, 0)) + 1, -1);
    std::vector<int64_t> answeredAt(topicOf.size(), -1);
    const auto resetSince = [&](size_t codice) {
        const int32_t topic = topicOf[codice];
        const int64_t at = std::max(resetAt[0], resetAt[static_cast<size_t>(topic)]);
        return at > answeredAt[codice];
    };

    int64_t lineNo = 0;
    for (const std::string_view line : TextFile::SplitLines(logText)) {
        ++lineNo;
        const auto entry = AnswerLog::Parse(line);
        if (!entry) continue;
        if (const auto* reset = std::get_if<AnswerLog::Reset>(&*entry)) {
            // A topic the bank does not have resets nothing.
            if (static_cast<size_t>(reset->topic) < resetAt.size()) resetAt[static_cast<size_t>(reset->topic)] = lineNo;
            continue;
        }
        const auto* found = std::get_if<AnswerLog::Answer>(&*entry);
        if (!found) continue;
        const auto& answer = *found;
        const auto codice = static_cast<size_t>(answer.codice);
        if (codice >= topicOf.size() || topicOf[codice] < 0) continue;
        if (seen) seen(answer);
        QuestionMemory& m = m_memory[codice];
        if (resetSince(codice)) m = QuestionMemory{};
        const Fsrs::Grade grade = Fsrs::GradeOf(answer.right);
        if (m.answers == 0) {
            m.state = Fsrs::First(grade);
            ++m_firstAnswers;
            if (answer.right) ++m_rightFirstAnswers;
        } else {
            m.state = Fsrs::Next(m.state, answer.day - m.lastDay, grade);
        }
        m.lastDay = answer.day;
        m.lastRight = answer.right;
        ++m.answers;
        answeredAt[codice] = lineNo;
    }
    for (size_t codice = 0; codice < m_memory.size(); ++codice)
        if (topicOf[codice] >= 0 && resetSince(codice)) m_memory[codice] = QuestionMemory{};
}

void BankMemory::Load(const std::filesystem::path& logFile, const cQuesiti& bank, const AnswerSeen& seen)
{
    int32_t maxCodice = 0;
    for (const auto& q : bank) maxCodice = std::max(maxCodice, q->Codice);
    std::vector<int32_t> topicOf(static_cast<size_t>(maxCodice) + 1, -1);
    for (const auto& q : bank)
        if (q->Codice >= 1) topicOf[static_cast<size_t>(q->Codice)] = q->Argomento() ? std::max(q->Argomento()->ID, 0) : 0;
    const auto text = TextFile::ReadAll(logFile);
    Replay(text ? std::string_view(*text) : std::string_view(), topicOf, seen);
}

const QuestionMemory& BankMemory::Of(int32_t codice) const
{
    if (codice < 0 || static_cast<size_t>(codice) >= m_memory.size()) return kNever;
    return m_memory[static_cast<size_t>(codice)];
}

double BankMemory::NewQuestionChance(int32_t numRisposte) const
{
    return (m_rightFirstAnswers + 1.0) / (m_firstAnswers + std::max(numRisposte, 1));
}

double BankMemory::Chance(int32_t codice, int32_t today, int32_t numRisposte) const
{
    const QuestionMemory& m = Of(codice);
    return m.Answered() ? m.Retrievability(today) : NewQuestionChance(numRisposte);
}
