#pragma once

#include <cstdint>
#include <string>

struct HistoryEntry;

// What the quiz screen shows of one question; texts are cp1252 as the bank holds them.
struct QuestionDisplay {
    int32_t position = 0;
    std::string numberLine;  // "Quesito n.5 su 40 totali - (codice 1234)"
    std::string topic;
    std::string text;        // VisualDescrizione
    std::string answers[5];  // VisualRisposta(1..5)
    bool boxVisible[5] = {true, true, true, false, false};
    // Counts before this view is added.
    int32_t views = 0;
    int32_t correct = 0;
    int32_t wrong = 0;
    std::string difficultyWord;  // "facile", "media", "difficile" or empty
    uint32_t difficultyColour = 0;  // 0x00BBGGRR; meaningful when the word is not empty
    bool passageButton = false;
    std::string passageCaption;  // "Leggi Brano", "Spiegazione" or "Vedi immagine"
};

// The window side of a test: the session decides, the view shows.
class IQuizView {
public:
    virtual ~IQuizView() = default;

    virtual void DisplayQuestion(const QuestionDisplay& display) = 0;
    virtual void SetCounterText(const std::string& text) = 0;
    virtual void SetErrataMark(bool marked) = 0;
    // Answer box states: 0 normal, 1 pointer over, 2 highlighted.
    virtual void SetAnswerState(int index, int state) = 0;
    virtual void SetPointerTracking(bool enabled) = 0;
    // Modal: returns when the user has closed it.
    virtual void ShowAnswerResult(int32_t given, int32_t correct) = 0;
    virtual void ShowCancelledNotice(const std::string& text) = 0;
    virtual void ShowTime(const std::string& text) = 0;
    virtual void StopCountdown() = 0;
    virtual void ShowTimeExpired() = 0;
    // "Attenzione!" with the exclamation icon; the test goes on.
    virtual void ShowWarning(const std::string& text) = 0;
    // The score message, then the test's result; the window closes after it.
    virtual void FinishTest(const std::string& scoreText, const HistoryEntry& result) = 0;
};
