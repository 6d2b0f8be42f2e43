#pragma once

#include "bank/Failure.h"

#include <filesystem>
#include <string>
#include <vector>

class cDocumento;

// The subcommands of tessarondequiz-bank. Each receives its own arguments
// (the subcommand name removed), writes results on stdout and messages on
// stderr, and returns the exit code.
namespace BankTool {

enum Exit { Success = 0, ProblemFound = 1, BadUsage = 2 };

using Args = std::vector<std::string>;

int Encode(const Args& args);
int Dump(const Args& args);
int Check(const Args& args);
int Stats(const Args& args);
int Summary(const Args& args);
int Draw(const Args& args);
int Resume(const Args& args);
int Print(const Args& args);
int Import(const Args& args);

// Loads a data file with the program's own loader; fails, with a message on
// stderr, when the file cannot be read (the loader alone would give an empty bank).
[[nodiscard]] Expected<void> LoadBank(const std::filesystem::path& path, cDocumento& document);

}  // namespace BankTool
