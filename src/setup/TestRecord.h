#pragma once

#include "bank/cQuesito.h"

#include "setup/TestRequest.h"

#include <cstdint>
#include <string>
#include <vector>

class cQuesiti;

// One question of a test as it was built or taken.
struct TestItem {
    int32_t Codice = 0;  // 0: an entry of a file that names no question
    cQuesito::Ordine Ordine{1, 2, 3, 4, 5};  // the bank's answer shown at each position
    int32_t Given = 0;    // 1..5 in the order shown; 0 = not answered; -1 = not in the file
    int32_t Correct = 0;  // where the correct answer is shown; -1 = not in the file
    bool ViewCounted = false;
};

// A built or running test: what the suspended-test file holds.
struct TestRecord {
    TestRequest Request;
    std::string Written;  // when the record was made, "dd/MM/yyyy HH:mm:ss"
    std::vector<TestItem> Items;
    int32_t Position = 0;  // 1-based: the question on screen; 0 for printing
    // What a record of the program's own adds beyond the six lines; a file of
    // another layout leaves them as they are here.
    bool HasOrdine = false;    // the Ordine of every item is stored
    bool HasViews = false;     // the ViewCounted of every item is stored
    int32_t Passed = -1;       // the running score's denominator; -1: not stored
    int32_t SecondsLeft = -1;  // on the countdown; -1: no limit or not stored
    std::string Started;       // when the test began; empty: not stored

    // The questions of a test in its order, as they stand (nothing counted as seen).
    static TestRecord Of(const TestRequest& request, const cQuesiti& test, int32_t position);
    int32_t Answered() const;
};
