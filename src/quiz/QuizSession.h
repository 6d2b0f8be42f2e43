#pragma once

#include "bank/cQuesiti.h"
#include "bank/cRecordBase.h"
#include "bank/Failure.h"

#include "setup/AnswerLog.h"
#include "setup/HistoryFile.h"
#include "setup/TestRecord.h"
#include "setup/TestRequest.h"

#include "quiz/IQuizView.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// What a test is handed: its questions in test order, the statistics store,
// the log, the file the running test is kept in and the request it was built from.
struct QuizInputs {
    std::shared_ptr<cQuesiti> questions;
    std::shared_ptr<cRecordBase> store;  // may be closed: reads give zeros, writes are skipped
    AnswerLog log;
    // Kept after every view and answer, removed when the test ends; empty: not kept.
    std::filesystem::path progressFile;
    TestRequest request;  // its time limit runs the countdown; saved with the test
    int32_t bankAnswers = 4;  // whether the D and E keys act
    // Every test that ends is added here ("Storico dei test"); empty: not kept.
    std::filesystem::path historyFile;
};

// The question cycle of a test, without widgets: which question is shown,
// answers and deferrals, statistics and log recording, the running score and
// the countdown. The quiz window forwards its events here.
class QuizSession {
public:
    QuizSession(IQuizView& view, QuizInputs inputs);

    // Shows the first pending question and starts the countdown. A test
    // loaded from a file goes on at resumeIndex + 1, its view not counted
    // again, with resumeCorrect right answers.
    void StartTest(int32_t resumeIndex = -1, int32_t resumeCorrect = 0);
    // An interrupted test, exactly as the record left it: the question on
    // screen (its view counted only if it was not yet), the running score,
    // the time left, the start time.
    void ResumeTest(const TestRecord& record);

    // Answer A = 0 … E = 4 for the question on screen.
    void GiveAnswer(int index);
    // "F3 - Rispondi DOPO": the question stays pending.
    void Defer();
    // "Consegna": the test ends now, its unanswered questions blank.
    void HandIn();
    // Marks or unmarks the question on screen as "ERRATA".
    void ToggleMark();

    // One second of the countdown.
    void CountdownTick();
    bool CountdownRunning() const { return m_countdown; }
    // The countdown was set (it may have run out since).
    bool Timed() const { return m_timed; }

    // The current question's correct answer, 0-based; -1 when none is shown.
    int RevealIndex() const;
    // "La risposta corretta per questa domanda è la 'C'." (UTF-8)
    std::string CorrectAnswerText() const;
    Expected<void> SaveSession(const std::filesystem::path& path) const;
    // The test as it stands, at `position`.
    TestRecord Record(int32_t position) const;

    int32_t BankAnswers() const { return m_inputs.bankAnswers; }
    bool Finished() const { return m_finished; }
    const std::shared_ptr<cQuesiti>& Questions() const { return m_set; }
    std::shared_ptr<cQuesito> Current() const;
    const TestRequest& Request() const { return m_inputs.request; }

    int32_t CurrentIndex() const { return m_currentIndex; }
    int32_t CorrectCount() const { return m_correctCount; }
    int32_t PassedCount() const { return m_passedCount; }
    int32_t QuestionLength() const { return m_questionLength; }
    int32_t SecondsLeft() const;
    std::string TimeText() const;
    const std::string& Started() const { return m_started; }
    // An exam simulation whose time ran out: later answers are practice.
    bool TimedOut() const { return m_timedOut; }
    // The test as "Storico dei test" keeps it, ended now.
    HistoryEntry Result() const;

    static char Letter(int32_t answerNumber) { return static_cast<char>('A' + answerNumber - 1); }

private:
    // The position NextQuestion moves to from `from`; 0 when none is pending.
    // wrapped: it lies back at the start, past the end of the set.
    int32_t NextPending(int32_t from, bool& wrapped) const;
    void NextQuestion(bool noCount);
    void StartCountdown(int32_t seconds);
    void KeepProgress();
    void ShowQuestion(int32_t position, bool noCount);
    void UpdateCounter(int32_t position);
    void EndTest();
    void ShowMark(const cQuesito& q);
    cRecordSpec ReadRecord(int32_t codice) const;
    void WriteRecord(int32_t codice, const cRecordSpec& rec);

    IQuizView& m_view;
    QuizInputs m_inputs;
    std::shared_ptr<cQuesiti> m_set;
    std::vector<bool> m_viewed;  // by position from 1: its view was counted in this test
    std::vector<bool> m_late;    // by position from 1: answered after the exam's time ran out

    int32_t m_currentIndex = 0;
    int32_t m_correctCount = 0;
    int32_t m_questionLength = 0;
    int32_t m_passedCount = 0;
    int32_t m_timeHours = 0;
    int32_t m_timeMinutes = 0;
    int32_t m_timeSeconds = 0;
    bool m_countdown = false;
    bool m_timed = false;
    bool m_finished = false;
    bool m_handedIn = false;
    bool m_timedOut = false;
    bool m_shownBefore = false;  // the question about to be shown was on screen when the test was left
    std::string m_started;
    bool m_progressWarned = false;
    bool m_statisticsWarned = false;
};
