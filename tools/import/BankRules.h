#pragma once

#include "tools/import/ImportedBank.h"

#include <optional>
#include <string>
#include <vector>

// The rules every importer's bank goes through before it is written: what a
// question needs to be imported, its topic, its gazette number.
namespace Import {

struct TopicRange {
    std::string name;
    int first = 0, last = 0;
};

struct Rules {
    std::vector<TopicRange> ranges;         // by gazette number; they win over the input's own topics
    std::string defaultTopic = "Generale";  // for questions with no topic at all
    int defaultDifficolta = 2;
};

// "NAME=FIRST-LAST", or nothing when malformed.
std::optional<TopicRange> ParseTopicRange(const std::string& text);

// Why a text cannot go into the bank (a control character, or one the
// Windows-1252 code page lacks), or nothing.
std::optional<std::string> TextProblem(const std::string& utf8);

// Drops, with their reason, the questions that cannot be imported; numbers
// those without a gazette number after the highest given; fills in topics and
// difficulties; lists the topics in order of first use.
void Settle(Bank& bank, const Rules& rules);

// Answers per question for the whole bank: the most any question has, at least 2.
int NumRisposte(const Bank& bank);

// "A".."Z" for 1..26.
inline std::string Letter(int n) { return std::string(1, static_cast<char>('A' + n - 1)); }

}  // namespace Import
