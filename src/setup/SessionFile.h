#pragma once

#include "bank/Failure.h"

#include "setup/TestRecord.h"

#include <filesystem>

// The suspended-test file: 8-bit text, CR LF line ends. Six lines: the magic
// line; the ten settings fields joined by "|" (SettingsLine); the position;
// the question codes, each followed by ";"; the given answers and where each
// correct answer stands, a digit per question. Then, for the program's own
// exact resume, lines "name=value" that a reader of the six lines ignores:
// "ordine" (the bank's answer shown at each position, five digits per
// question, ";" between questions), "viste" (a digit per question: 1 when its
// view was counted), "passati", "tempo" (seconds left) and "iniziato" (date
// and time). An older layout (magic line, data file, topic, position, codes,
// answers, correct answers) is read, never written.
namespace SessionFile {

inline constexpr const char* Magic = "tessarondequiz RCV SaveFile";
inline constexpr const char* LegacyMagic = "__tr_dummyRCV SaveFile";

struct Contents {
    bool legacy = false;
    // The request is the one given to Read with the file's settings over it;
    // one item per entry of the code list.
    TestRecord record;
    // A line past the sixth is there but does not read: the six lines alone
    // still make a test, but not an exact resume.
    bool extrasDamaged = false;
};

// NotASession when the first line is neither magic line; Failed when one of
// the six lines is missing or a value does not read.
Expected<Contents> Read(const std::filesystem::path& path, const TestRequest& base = {});

// Written beside `path` and renamed over it, so a failed write keeps the file there.
Expected<void> Write(const std::filesystem::path& path, const TestRecord& record);

}  // namespace SessionFile
