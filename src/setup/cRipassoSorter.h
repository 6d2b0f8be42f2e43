#pragma once

#include "bank/IQuesitoSorter.h"

#include <cstdint>

class BankMemory;
class cQuesiti;

// "RIPASSO PROGRAMMATO": first the questions due today (chance of recall below
// 90%), the least likely to be remembered first; then those never answered, in
// random order; then the others, lowest chance first. Ties are the draw's
// random ones.
class cRipassoSorter : public IQuesitoSorter {
public:
    static constexpr double DueBelow = 0.9;

    const BankMemory* Memory = nullptr;
    int32_t Today = 0;  // Clock::DayNumber

    std::string GetOrder(const cQuesito& oQuesito) override;

    // The questions of the set, cancelled ones left out, due on that day.
    static int32_t DueCount(const cQuesiti& set, const BankMemory& memory, int32_t today);
};
