#pragma once

#include "bank/Failure.h"

#include "setup/ModFunzioni.h"
#include "setup/TestRecord.h"

#include <filesystem>
#include <string>

// Reads a suspended-test file (SessionFile) and rebuilds its test from the bank.
namespace SessionLoader {

enum class Mode {
    // "Carica un test in sospeso": the test is looked up among the questions
    // its ordering selects today, without a time limit; answered questions
    // show their answers in the order stored.
    Suspended,
    // The test kept after every answer: resumed exactly as it was left (the
    // same questions in every answer order, the views counted, the time left).
    Interrupted,
};

struct LoadedTest {
    TestRequest Request;  // the file's settings over the caller's
    ModFunzioni::BuiltTest Test;  // TestSet: the restored test, answers given
    TestRecord Record;  // as the file holds it, for what its six lines do not
    int32_t ResumeIndex = -1;  // the position to show, less one
    int32_t ResumeCorrect = 0;
};

// Where the test is looked for: the bank of the caller's request and the
// competition's data file name (a file of either is accepted).
struct Check {
    TestRequest current;
    std::string dataFileName;
};

// Never throws. NotASession, WrongDataFile, NothingFound (no question of the
// file is left to restore) or Failed; an interrupted test also Damaged (the
// file does not read) or Missing (questions the bank no longer has).
Expected<LoadedTest> Load(const std::filesystem::path& path, const Check& check, Mode mode);

// Whether the file reads as a session of this bank: what Load checks before
// it rebuilds the test, without reading the bank. Its failure when not.
Expected<void> Readable(const std::filesystem::path& path, const Check& check, Mode mode);

}  // namespace SessionLoader
