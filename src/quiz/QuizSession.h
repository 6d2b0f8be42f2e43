#pragma once

#include "bank/cQuesiti.h"
#include "bank/cRecordBase.h"
#include "bank/Failure.h"

#include "quiz/IQuizView.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

// The question cycle of a test, without widgets: which question is shown,
// answers and deferrals, statistics and log recording, the running score and
// the countdown. The quiz window forwards its events here.
class QuizSession {
public:
    QuizSession(IQuizView& view, std::shared_ptr<cQuesiti> testSet, std::shared_ptr<cRecordBase> store,
                int32_t bankAnswers);

    // Shows the first pending question (or the resume position) and starts the countdown.
    // resumeShowsNext: the resume position is a question not yet shown (an
    // interrupted test); it alone is counted as seen.
    void StartTest(int32_t timeHours, int32_t timeMinutes, int32_t resumeIndex, int32_t resumeCorrect,
                   bool resumeShowsNext = false);

    // From the first answer on, the test is saved to this file after every
    // answer and deferral, at the question to show next, and removed when the
    // test ends. Empty: not kept.
    void KeepProgressIn(std::filesystem::path file) { m_progressFile = std::move(file); }

    // Answer A = 0 … E = 4 for the question on screen.
    void GiveAnswer(int index);
    // "F3 - Rispondi DOPO": the question stays pending.
    void Defer();
    // Marks or unmarks the question on screen as "ERRATA".
    void ToggleMark();

    // One second of the countdown.
    void CountdownTick();
    bool CountdownRunning() const { return m_countdown; }

    // The current question's correct answer, 0-based; -1 when none is shown.
    int RevealIndex() const;
    // "La risposta corretta per questa domanda è la 'C'." (UTF-8)
    std::string CorrectAnswerText() const;
    Expected<void> SaveSession(const std::filesystem::path& path) const;

    // Whether the D and E keys act.
    int32_t BankAnswers() const { return m_bankAnswers; }
    bool Finished() const { return m_finished; }
    const std::shared_ptr<cQuesiti>& Questions() const { return m_set; }
    std::shared_ptr<cQuesito> Current() const;

    int32_t CurrentIndex() const { return m_currentIndex; }
    int32_t CorrectCount() const { return m_correctCount; }
    int32_t PassedCount() const { return m_passedCount; }
    int32_t QuestionLength() const { return m_questionLength; }
    std::string TimeText() const;

    static char Letter(int32_t answerNumber) { return static_cast<char>('A' + answerNumber - 1); }

private:
    // The position NextQuestion moves to from `from`; 0 when none is pending.
    // wrapped: it lies back at the start, past the end of the set.
    int32_t NextPending(int32_t from, bool& wrapped) const;
    void NextQuestion(bool noCount);
    void KeepProgress();
    void ShowQuestion(int32_t position, bool noCount);
    void UpdateCounter(int32_t position);
    void EndTest();
    void ShowMark(const cQuesito& q);

    IQuizView& m_view;
    std::shared_ptr<cQuesiti> m_set;
    std::shared_ptr<cRecordBase> m_store;
    int32_t m_bankAnswers;

    int32_t m_currentIndex = 0;
    int32_t m_correctCount = 0;
    int32_t m_questionLength = 0;
    int32_t m_passedCount = 0;
    int32_t m_timeHours = 0;
    int32_t m_timeMinutes = 0;
    int32_t m_timeSeconds = 0;
    bool m_countdown = false;
    bool m_finished = false;
    std::filesystem::path m_progressFile;
    bool m_progressWarned = false;
};
