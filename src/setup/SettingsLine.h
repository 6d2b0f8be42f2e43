#pragma once

#include "bank/Failure.h"

#include "setup/TestRequest.h"

#include <string>
#include <string_view>

// The ten test-setting fields joined by "|", as the log's build line and line
// 2 of a suspended-test file hold them: date and time, TopicFilter,
// CurrentDataFile, OrderMode, QuestionCount, KeepAnswerOrder,
// RecordWrongAnswers, TimeLimitHours, TimeLimitMinutes, StartNumber.
namespace SettingsLine {

std::string DescribeSettings(const TestRequest& request, const std::string& when);

struct Fields {
    std::string when;
    TestRequest request;  // the fields read over the request given
    bool complete = false;  // the last three fields were there and read
};

// Needs the first seven fields; the last three are taken when all three read
// (they are not needed to load a test, only to resume it as it was).
Expected<Fields> Read(std::string_view line, const TestRequest& base);

}  // namespace SettingsLine
