#pragma once

#include "bank/Failure.h"

#include <filesystem>
#include <string_view>
#include <system_error>

// A file written whole or not at all: the bytes go to a new file in the same
// folder (named after the target and this process), reach the disk, and only
// then take the target's name. A failure at any step leaves the target as it
// was and removes the new file. A target that exists keeps its permissions.
namespace ReplaceFile {

// Where writing stopped, and the system's reason.
struct Problem {
    enum class Step { Create, Write, Rename };
    Step step = Step::Create;
    std::error_code reason;
};

tl::expected<void, Problem> Write(const std::filesystem::path& target, std::string_view bytes);

// The same, the failure told in Italian for the user, naming the file:
// "scrittura non riuscita su prova.test: spazio esaurito sul disco".
Expected<void> Replace(const std::filesystem::path& target, std::string_view bytes);

// That text for a failure of Write.
std::string Describe(const std::filesystem::path& target, const Problem& problem);

}  // namespace ReplaceFile
