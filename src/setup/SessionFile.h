#pragma once

#include "bank/Failure.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class cQuesiti;

// The suspended-test file: 8-bit text, CR LF line ends. Six lines: the magic
// line; the ten settings fields joined by "|"; the position; the question
// codes, each followed by ";"; the given answers and where each correct
// answer stands, a digit per question. An older layout (magic line, data
// file, topic, position, codes, answers, correct answers) is read, never written.
namespace SessionFile {

inline constexpr const char* Magic = "tessarondequiz RCV SaveFile";
inline constexpr const char* LegacyMagic = "__tr_dummyRCV SaveFile";

// What a file holds. The older layout stores fewer settings: the others keep
// the values it was always read with.
struct Contents {
    bool legacy = false;
    std::string dataFile;  // the bank's file name, without folder (cp1252)
    int32_t topicFilter = 0;
    int32_t orderMode = 0;
    int32_t questionCount = 0;  // 0: all
    bool keepAnswerOrder = false;
    bool recordWrongAnswers = true;
    int32_t position = 0;  // 1-based question on screen; 0 when written for printing
    // One per entry of the code list, the empty one after the last ";"
    // included; nothing where an entry is no number.
    std::vector<std::optional<int32_t>> codes;
    std::string answers;  // the given answer of each entry (0: none)
    std::string correct;  // where the correct answer of each entry stands
};

// NotASession when the first line is neither magic line; Failed when a line
// is missing or a value does not read.
Expected<Contents> Read(const std::filesystem::path& path);

// `settings` is line 2 as ModFunzioni::DescribeSettings gives it. Written
// whole or not at all (ReplaceFile): a failed write keeps the file there.
Expected<void> Write(const std::filesystem::path& path, const std::string& settings, int32_t position,
                     const cQuesiti& test);

}  // namespace SessionFile
