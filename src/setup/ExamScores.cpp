#include "setup/ExamScores.h"

#include "setup/Clock.h"

std::vector<ExamPoint> ExamScores(const std::vector<HistoryEntry>& history, int32_t today, int32_t days)
{
    std::vector<ExamPoint> points;
    const int32_t first = today - days + 1;
    for (const HistoryEntry& test : history) {
        const auto day = Clock::DayNumber(test.Ended);
        if (!test.Exam() || !day || *day < first || *day > today) continue;
        const TestScore score = test.Score();
        points.push_back({*day - first, score.thirtieths, score.passed});
    }
    return points;
}
