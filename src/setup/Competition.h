#pragma once

#include "bank/cSetEsame.h"

#include "setup/cFiltroMain.h"

#include <cstdint>
#include <vector>

// The exam composition and the topic list of this build, from its constants:
// what the start screen defines each time it loads and the bank tool uses.
namespace Competition {

std::vector<cSetEsame> ExamSets();
// "TUTTI I QUESITI", then one row per topic.
std::vector<cFiltroMain> Filters();

// The questions an exam of that composition asks: the sum of its entries.
int32_t ExamQuestions(const std::vector<cSetEsame>& sets);

}  // namespace Competition
