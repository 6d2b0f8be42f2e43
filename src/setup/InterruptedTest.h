#pragma once

#include <filesystem>

// The running test kept after every answer, so that a test closed half-way,
// a crash or a killed program lose nothing: <bank>.interrotto.test beside the
// statistics file, in the suspended-test format. Its position is the next
// question to show, not yet shown.
namespace InterruptedTest {

// Empty before the start screen has chosen a bank.
std::filesystem::path Path();

// The file is there and would load (SessionLoader::WouldLoad): cheap, the
// bank is not read.
bool Resumable();

void Remove();

}  // namespace InterruptedTest
