#pragma once

#include "bank/cSetEsame.h"

#include "setup/BankMemory.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Answers given on one day.
struct ProgressDay {
    int32_t day = 0;  // Clock::DayNumber
    int32_t answers = 0;
    int32_t right = 0;
};

// A table row of the progress window: a topic or "Totale" (name in cp1252).
struct ProgressRow {
    std::string argomento;
    int32_t quesiti = 0;      // questions not cancelled
    int32_t maiVisti = 0;     // of those, never shown
    int32_t esatte = 0;       // whose last answer in the log since its reset was right
    int32_t daRipassare = 0;  // marked wrong in the statistics file
    double chanceSum = 0;     // of a right answer today, over those questions

    // "Probabilità media di risposta esatta", in whole percent; nothing without questions.
    std::string MeanChance() const;
};

// What the progress window shows for the bank or one topic.
struct ProgressView {
    std::vector<ProgressDay> days;  // the last 30 days, today last
    int32_t answers7 = 0;           // in the last 7 of them
    int32_t right7 = 0;
    int32_t practiceDays = 0;  // days with an answer in the whole log
    std::vector<ProgressRow> rows;  // one per topic, then "Totale"
    // The exam of the whole bank as if it were today (ExamForecast).
    double examMean = 0;  // in thirtieths
    double examPass = 0;

    // "Ultimi 7 giorni: N risposte, P% esatte - Giorni di pratica: D"
    std::string Summary() const;
    // "Se l'esame fosse oggi: 23,4/30 in media - probabilità di superarlo: 64%" (UTF-8)
    std::string Forecast() const;
};

// The candidate's progress from the bank, its statistics file and its log,
// all read once and never written. Damaged log lines, build lines, codes the
// bank does not have and dates that do not parse are skipped; a missing file
// counts as empty. A reset of "Azzera statistiche" clears what its questions
// had right, and their memory, but not the days practised.
class ProgressData {
public:
    static constexpr int32_t kDays = 30;
    static constexpr int32_t kRecentDays = 7;

    // today: Clock::DayNumber of the last day shown; exam: the composition forecast.
    void Load(const std::filesystem::path& dataFile, const std::filesystem::path& recordFile,
              const std::filesystem::path& logFile, int32_t today, const std::vector<cSetEsame>& exam);

    // topic: a topic ID of the bank, or 0 for the whole bank.
    ProgressView View(int32_t topic) const;

private:
    struct Figures {
        std::array<ProgressDay, kDays> days{};  // counts only, oldest first
        ProgressRow row;
        std::vector<int32_t> practiceDays;  // sorted, unique once loaded
    };

    void CountDay(const AnswerLog::Answer& answer, const std::vector<int32_t>& bucketOf);

    int32_t m_today = 0;
    double m_examMean = 0;
    double m_examPass = 0;
    // By topic ID; 0 holds questions whose topic the bank does not list.
    std::vector<Figures> m_figures;
    std::vector<int32_t> m_allPracticeDays;
};
