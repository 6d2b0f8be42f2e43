#pragma once

#include "setup/UserMessage.h"

#include <filesystem>
#include <string>

// Reads a suspended-test file (current or older layout) and rebuilds the test
// from the bank: TestSet in the stored order with the stored answers, the
// resume position and score, and the test settings the file carries.
struct SessionLoadResult {
    enum class Status { Loaded, NotASession, WrongDataFile, Empty, Failed };
    Status status = Status::Failed;
    std::string errorDescription;  // for Failed

    bool ok() const { return status == Status::Loaded; }
    // What the user is told when the load did not succeed.
    UserMessage Message() const;
};

namespace SessionLoader {

inline constexpr const char* SessionMagic = "tessarondequiz RCV SaveFile";
inline constexpr const char* LegacySessionMagic = "__tr_dummyRCV SaveFile";

// Never throws: every failure is in the result.
SessionLoadResult Load(const std::filesystem::path& path);

// Whether the file is a session of this bank whose lines all read: what Load
// checks before it rebuilds the test, without reading the bank or changing
// anything. A file whose questions have left the bank still fails to load.
bool WouldLoad(const std::filesystem::path& path);

}  // namespace SessionLoader
