#pragma once

#include "bank/cDocumento.h"
#include "bank/cQuesiti.h"
#include "bank/cRecordBase.h"
#include "bank/Failure.h"

#include "setup/TestRequest.h"

#include <filesystem>
#include <memory>
#include <optional>

// The test builder's entry points, shared by the start screen, the suspended-test
// loader, the bank tool and the tests.
namespace ModFunzioni {

// A test as the builder leaves it.
struct BuiltTest {
    std::shared_ptr<cDocumento> Document;
    // Open on the bank's ".rec" file, or closed when that could not be made or
    // opened: reads then give zeros and writes are skipped (StatisticsProblem says why).
    std::shared_ptr<cRecordBase> RecordStore;
    std::shared_ptr<cQuesiti> TestSet;  // in test order, no answer given
    std::optional<Failure> StatisticsProblem;
    // The statistics file holds values no program writes: they read as zero.
    bool StatisticsDamaged = false;
};

// Loads the bank named in the request and opens its statistics file (creating
// it when missing); the answers are shuffled unless they keep their order. The
// test set is the whole bank.
BuiltTest OpenBank(const TestRequest& request);

// OpenBank, then the filters, the ordering and the count of the request;
// NothingFound when no question is left.
Expected<BuiltTest> EstraiQuesiti(const TestRequest& request);

// The topic and gazette filters of the request on `set`, questions of `document`
// (the exam simulation takes none: the set comes back as it is).
std::shared_ptr<cQuesiti> Filter(const cDocumento& document, const TestRequest& request,
                                 std::shared_ptr<cQuesiti> set);

// The statistics store on `path`, created first when missing.
Expected<std::shared_ptr<cRecordBase>> OpenRecordStore(const cDocumento& document,
                                                       const std::filesystem::path& path);

}  // namespace ModFunzioni
