#include "setup/TestSettings.h"

namespace ModGlobal {

int32_t TopicFilter = 0;
int32_t TopicRangeFirst = 0;
int32_t TopicRangeLast = 0;
int32_t TopicRangeExtra = 0;
int32_t GazetteRangeFirst = 0;
int32_t GazetteRangeLast = 0;
int32_t OrderMode = 0;
int32_t QuestionCount = 0;
int32_t StartNumber = 1;
int32_t TimeLimitHours = 0;
int32_t TimeLimitMinutes = 0;
bool KeepAnswerOrder = false;
bool RecordWrongAnswers = true;
int32_t ResumeIndex = -1;
int32_t ResumeCorrect = 0;
bool ResumeShowsNext = false;
std::string PrintSourcePath;
std::string ShuffleText;

void ResetTestSettings()
{
    TopicFilter = TopicRangeFirst = TopicRangeLast = TopicRangeExtra = 0;
    GazetteRangeFirst = GazetteRangeLast = 0;
    OrderMode = 0;
    QuestionCount = 0;
    StartNumber = 1;
    TimeLimitHours = TimeLimitMinutes = 0;
    KeepAnswerOrder = false;
    RecordWrongAnswers = true;
    ResumeIndex = -1;
    ResumeCorrect = 0;
    ResumeShowsNext = false;
    PrintSourcePath.clear();
    ShuffleText.clear();
}

}  // namespace ModGlobal
