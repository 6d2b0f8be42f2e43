#pragma once

#include "setup/HistoryFile.h"

#include <cstdint>
#include <vector>

// The exam simulations of the history on the progress window's days.
struct ExamPoint {
    int32_t day = 0;  // 0 = the first of the days shown
    double thirtieths = 0;
    bool passed = false;
};

// Those that ended on one of the `days` days up to `today` (Clock::DayNumber), oldest first.
std::vector<ExamPoint> ExamScores(const std::vector<HistoryEntry>& history, int32_t today, int32_t days);
