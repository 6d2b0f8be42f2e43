#pragma once

#include "setup/UserMessage.h"

#include <string>

// How loading the questions to print went. A file that is not a suspended
// test loads nothing, silently; a failure has a description for the user.
struct PrintLoadResult {
    enum class Status { Loaded, NotASession, Failed };
    Status status = Status::Loaded;
    std::string errorDescription;  // UTF-8, for Failed

    bool Failed() const { return status == Status::Failed; }
    // What the wizard shows for a failure.
    UserMessage Message() const;
};
