#pragma once

#include "bank/Failure.h"

#include "bank/UserMessage.h"

#include <filesystem>

// Reads a suspended-test file (SessionFile) and rebuilds the test from the
// bank: TestSet in the stored order with the stored answers, the resume
// position and score, and the test settings the file carries.
namespace SessionLoader {

// Never throws. NotASession, WrongDataFile, NothingFound (no question of the
// file is left to restore), or Failed.
Expected<void> Load(const std::filesystem::path& path);

// Whether the file reads as a session of this bank: what Load checks before
// it rebuilds the test, without reading the bank or changing anything. A file
// whose questions have left the bank still fails to load.
bool WouldLoad(const std::filesystem::path& path);

// What the user is told when a load failed.
UserMessage Message(const Failure& failure);

}  // namespace SessionLoader
