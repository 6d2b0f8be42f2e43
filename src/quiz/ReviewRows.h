#pragma once

#include "bank/cQuesiti.h"

#include "setup/TestRecord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One row of the review of a finished test.
struct ReviewRow {
    enum class Outcome { Right, Wrong, Blank };

    int32_t number = 0;   // position in the test, from 1
    int32_t gazette = 0;  // IDGazzetta, the "codice" of the quiz screen
    std::string given;    // "A".."E"; empty when not answered
    std::string correct;  // "A".."E"
    Outcome outcome = Outcome::Blank;
    bool late = false;  // given after an exam simulation's time ran out
    std::shared_ptr<cQuesito> question;
};

// Every question of the test, in test order; `items`, when given, say which
// answers came after the exam's time ran out.
std::vector<ReviewRow> ReviewRows(const cQuesiti& test, const std::vector<TestItem>& items = {});

// "Esatta", "Errata" or "In bianco", with "(fuori tempo)" after a late answer.
std::string ReviewOutcome(const ReviewRow& row);
