#pragma once

#include "bank/Failure.h"

#include "bank/UserMessage.h"

#include <cstdint>
#include <filesystem>
#include <string>

// Routines shared by the start screen, the statistics window and the quiz screen.
namespace ModFunzioni {

// The ten test-setting fields joined by "|": date and time, TopicFilter,
// CurrentDataFile, OrderMode, QuestionCount, KeepAnswerOrder,
// RecordWrongAnswers, TimeLimitHours, TimeLimitMinutes, StartNumber.
std::string DescribeSettings();

// Builds Document, RecordStore and TestSet from the test settings.
void EstraiQuesiti();

// RecordStore on the bank's ".rec" file, created first when missing. False
// when the file cannot be created or opened: the store then stays closed,
// reads give zeros and writes are skipped.
bool OpenRecordStore();

// (CurrentDataFile without extension) + ".log", where the statistics file is.
std::filesystem::path LogFilePath();
// Appends one line; failures are ignored.
void WriteLog(const std::string& line);

// Writes the suspended-test file for TestSet; a failure keeps any file
// already at path intact.
Expected<void> SaveSession(const std::filesystem::path& path, int32_t position);

void ResetExamSets();
void SetExamTime(int32_t hours, int32_t minutes);
void AddExamSet(int32_t topic, int32_t difficulty, int32_t count);
void AddTopicFilter(int32_t first, int32_t last, int32_t firstGazette, int32_t lastGazette,
                    const std::string& caption, int32_t extra);

// The built-in exam composition and topic list, rebuilt each time the start screen loads.
void DefineExamSets();
void DefineFilters();

// The topic and gazette filters of the test settings from a row of the topic
// list (a row outside the list takes the nearest one).
void ApplyTopicFilter(int row);

// The system temporary folder (tests point it elsewhere).
std::filesystem::path TempFolder();
void SetTempFolder(const std::filesystem::path& folder);

// Told once when a test starts without its statistics file.
UserMessage StatisticsUnavailableMessage();

}  // namespace ModFunzioni
