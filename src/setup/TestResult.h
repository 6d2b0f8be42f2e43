#pragma once

#include "setup/HistoryFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The result of a finished test as the review window and the score message
// show it (UTF-8): right, wrong and blank answers; the score in points and
// thirtieths against the pass mark; for an exam simulation the verdict; the
// time taken; what the wrong answers cost.
namespace TestResult {

std::vector<std::string> Lines(const HistoryEntry& test);

// "00:42:10"
std::string Duration(int64_t seconds);

}  // namespace TestResult
