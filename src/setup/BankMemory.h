#pragma once

#include "setup/AnswerLog.h"
#include "setup/Fsrs.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

class cQuesiti;

// The memory of one question from its answers since its last reset.
struct QuestionMemory {
    Fsrs::State state;
    int32_t lastDay = 0;  // Clock::DayNumber of the last answer
    int32_t answers = 0;
    bool lastRight = false;  // the outcome of the last answer

    bool Answered() const { return answers > 0; }
    // The chance of recalling it on that day; meaningful once answered.
    double Retrievability(int32_t today) const { return Fsrs::Retrievability(today - lastDay, state.stability); }
};

// Every question's memory, replayed from the log in one pass: each answer,
// in log order, through FSRS-6; a reset line of "Azzera statistiche" starts
// the history of the questions of its topic anew (the bank's topics as they
// are now). Damaged lines and codes the bank does not have are skipped.
class BankMemory {
public:
    // Each answer to a question of the bank, in log order, as it is replayed.
    using AnswerSeen = std::function<void(const AnswerLog::Answer&)>;

    // topicOf[codice]: the topic ID of each question of the bank (0 when it has
    // none); -1, or past the end, for a code the bank does not have.
    void Replay(std::string_view logText, const std::vector<int32_t>& topicOf, const AnswerSeen& seen = {});
    // The log file for these questions; a missing log is an empty one.
    void Load(const std::filesystem::path& logFile, const cQuesiti& bank, const AnswerSeen& seen = {});

    // Never answered (or reset since) for a code the bank does not have, too.
    const QuestionMemory& Of(int32_t codice) const;

    // First answers of a history (the first ever, or the first after a reset).
    int32_t FirstAnswers() const { return m_firstAnswers; }
    int32_t RightFirstAnswers() const { return m_rightFirstAnswers; }

    // The chance of a right answer today: R for a question answered since its
    // reset; else the share of right first answers with one right and
    // numRisposte - 1 wrong ones imagined, so a new candidate starts at chance.
    double Chance(int32_t codice, int32_t today, int32_t numRisposte) const;
    double NewQuestionChance(int32_t numRisposte) const;

private:
    std::vector<QuestionMemory> m_memory;  // by Codice
    int32_t m_firstAnswers = 0;
    int32_t m_rightFirstAnswers = 0;
};
