#pragma once

#include "bank/cQuesiti.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One row of the review of a finished test.
struct ReviewRow {
    int32_t number = 0;   // position in the test, from 1
    int32_t gazette = 0;  // IDGazzetta, the "codice" of the quiz screen
    std::string given;    // "A".."E"; empty when not answered
    std::string correct;  // "A".."E"
    bool right = false;
    std::shared_ptr<cQuesito> question;
};

// Every question of the test, in test order.
std::vector<ReviewRow> ReviewRows(const cQuesiti& test);

// "Esatta" or "Errata".
const char* ReviewOutcome(bool right);
