#include "setup/Competition.h"

#include "setup/BuildConstants.h"

namespace Competition {

std::vector<cSetEsame> ExamSets()
{
    namespace C = BuildConstants;
    return {cSetEsame{C::ExamTopic, C::ExamDifficulty, C::ExamQuestions}};
}

std::vector<cFiltroMain> Filters()
{
    using namespace BuildConstants;
    std::vector<cFiltroMain> rows{{"TUTTI I QUESITI", FirstTopic, LastTopic, -1, -1, -1}};
    for (int32_t topic = FirstTopic; topic <= LastTopic; ++topic) rows.push_back({"   *", topic, -1, -1, -1, -1});
    return rows;
}

int32_t ExamQuestions(const std::vector<cSetEsame>& sets)
{
    int32_t n = 0;
    for (const auto& s : sets) n += s.NumeroDomande;
    return n;
}

}  // namespace Competition
