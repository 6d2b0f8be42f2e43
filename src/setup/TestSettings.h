#pragma once

#include <cstdint>
#include <string>

// The options of the test being built or taken, set by the start screen or by
// a resumed test and read by the builder, the quiz screen and printing.
namespace ModGlobal {

// Data file of the second language area; this competition has none.
inline const std::string AltDataFileName;

extern int32_t TopicFilter;
extern int32_t TopicRangeFirst;
extern int32_t TopicRangeLast;
extern int32_t TopicRangeExtra;
extern int32_t GazetteRangeFirst;
extern int32_t GazetteRangeLast;
extern int32_t OrderMode;
extern int32_t QuestionCount;
extern int32_t StartNumber;
extern int32_t TimeLimitHours;
extern int32_t TimeLimitMinutes;
extern bool KeepAnswerOrder;
extern bool RecordWrongAnswers;
extern int32_t ResumeIndex;
extern int32_t ResumeCorrect;
// The resume position is the next question to show, not yet shown (an
// interrupted test), rather than the one on screen when the test was saved.
extern bool ResumeShowsNext;
extern std::string PrintSourcePath;
extern std::string ShuffleText;

// Values of a fresh program.
void ResetTestSettings();

}  // namespace ModGlobal

// The orderings of the start screen, by row.
enum OrderModes : int32_t {
    OrderCasuale = 0,
    OrderPrimaErrate = 1,
    OrderMenoProposti = 2,
    OrderGazzetta = 3,
    OrderSoloErrate = 4,
    OrderEsame = 5,
};
