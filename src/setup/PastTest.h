#pragma once

#include "bank/cDocumento.h"
#include "bank/cQuesiti.h"
#include "bank/Failure.h"

#include "setup/HistoryFile.h"
#include "setup/TestRequest.h"

#include <memory>

// A test of the history taken up again.
namespace PastTest {

// Its questions from a freshly loaded bank, each with its answers in the order
// they were shown and the answer given, as its review showed them. Missing:
// some question is no longer in the bank (those that are come back all the same).
struct Questions {
    std::shared_ptr<cQuesiti> test;
    bool missing = false;
};
Questions Rebuild(const HistoryEntry& entry, const cDocumento& document);

// "Ripeti le errate": its wrong and blank questions, in its order, as a test of
// its own on the current bank with the start screen's answer options;
// NothingFound when it had none.
Expected<TestRequest> RepeatWrong(const HistoryEntry& entry, const TestRequest& current);

}  // namespace PastTest
