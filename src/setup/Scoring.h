#pragma once

#include "setup/TestRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// The competition's scoring (BuildConstants): points for a right, a wrong and
// a blank answer, and the pass mark in thirtieths.
struct TestScore {
    int32_t right = 0;
    int32_t wrong = 0;
    int32_t blank = 0;  // not answered, or answered after an exam's time ran out
    double points = 0;
    double thirtieths = 0;  // the points over the questions asked, out of 30
    double lostToWrong = 0;  // what the wrong answers took away, as a positive number
    bool passed = false;    // thirtieths at the pass mark or above

    int32_t Total() const { return right + wrong + blank; }

    // "31,39 su 50 — 18,83/30" (UTF-8)
    std::string PointsText() const;
    // "SUPERATA" or "NON SUPERATA"
    const char* Verdict() const { return passed ? "SUPERATA" : "NON SUPERATA"; }
};

namespace Scoring {

TestScore Of(const std::vector<TestItem>& items);

// "minimo 21/30"
std::string PassMarkText();

// A number with two decimals and a decimal comma: "18,83", "-3,30".
std::string Decimal(double value);

// The share of right answers, in whole percent, cut down (as the score message
// has it); 0 for no answers.
int32_t Percent(int64_t right, int64_t answers);

}  // namespace Scoring
