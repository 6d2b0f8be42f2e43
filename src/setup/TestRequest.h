#pragma once

#include "bank/cSetEsame.h"

#include "setup/cFiltroMain.h"

#include <cstdint>
#include <string>
#include <vector>

// The orderings of the start screen, by row ("Ordine" in the settings).
enum OrderModes : int32_t {
    OrderCasuale = 0,
    OrderPrimaErrate = 1,
    OrderMenoProposti = 2,
    OrderGazzetta = 3,
    OrderSoloErrate = 4,
    OrderEsame = 5,
    // By the review schedule of the log (cRipassoSorter).
    OrderRipasso = 6,
};

// What the start screen asks for: the test to build, as the builder, the log
// line, the suspended-test file and the quiz screen take it. The fields carry
// the names of the test settings the windows share.
struct TestRequest {
    std::string CurrentDataFile;  // the bank's file name, without folder (cp1252)
    int32_t TopicFilter = 0;      // one topic; 0 = none
    int32_t TopicRangeFirst = 0;  // a range, applied when first and last are both above 0
    int32_t TopicRangeLast = 0;
    int32_t TopicRangeExtra = 0;
    int32_t GazetteRangeFirst = 0;  // applied when both are above 0
    int32_t GazetteRangeLast = 0;
    int32_t OrderMode = OrderCasuale;
    int32_t QuestionCount = 0;  // 0 = all
    int32_t StartNumber = 1;    // the published order only
    int32_t TimeLimitHours = 0;  // both 0: no limit
    int32_t TimeLimitMinutes = 0;
    bool KeepAnswerOrder = false;
    bool RecordWrongAnswers = true;
    std::vector<cSetEsame> ExamSets;  // the exam simulation's composition
    // These questions, in this order, instead of the filters and the ordering
    // ("Ripeti le errate" of a past test); empty: as the fields above say.
    std::vector<int32_t> Codes;

    // The topic and gazette filters of a row of the topic list.
    void ApplyTopicFilter(const cFiltroMain& row);
};
