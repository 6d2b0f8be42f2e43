#pragma once

#include "bank/Failure.h"

#include "setup/SessionLoader.h"

#include <cstdint>
#include <filesystem>
#include <string>

// The running test kept after every view, answer and deferral, so that a test
// closed half-way, a crash or a killed program lose nothing: BankFiles'
// `interrupted` file, in the suspended-test format with what an exact resume needs.
namespace InterruptedTest {

// What the start screen offers to resume.
struct Offer {
    int32_t answered = 0;
    int32_t total = 0;
    std::string saved;  // "05/12/2026 18:40"
};

// Read from the file alone, cheap: the bank is not read. Nothing there, or
// a folder nothing can be written to: NothingFound; a file that will not resume: its failure (Damaged, WrongDataFile).
Expected<Offer> Look(const std::filesystem::path& file, const SessionLoader::Check& check);

// "Riprendi il test interrotto (12 di 30, 05/12/2026 18:40)"
std::string Caption(const Offer& offer);

// A file that can never be resumed goes aside, to <file>.danneggiato (an
// earlier one there replaced): never offered again, never deleted.
Expected<void> SetAside(const std::filesystem::path& file);

void Remove(const std::filesystem::path& file);

}  // namespace InterruptedTest
