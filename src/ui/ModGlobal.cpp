#include "ui/ModGlobal.h"

#include "bank/DataFolders.h"

#include "setup/BuildConstants.h"
#include "setup/Competition.h"

#include <algorithm>

namespace ModGlobal {

State& Shared()
{
    static State state;
    return state;
}

void State::ResetExamSets()
{
    ExamSets.clear();
    ExamHours = 0;
    ExamMinutes = 0;
}

void State::SetExamTime(int32_t hours, int32_t minutes)
{
    ExamHours = hours;
    ExamMinutes = minutes;
}

void State::AddExamSet(int32_t topic, int32_t difficulty, int32_t count)
{
    ExamSets.push_back(cSetEsame{topic, difficulty, count});
}

void State::AddTopicFilter(int32_t first, int32_t last, int32_t firstGazette, int32_t lastGazette,
                           const std::string& caption, int32_t extra)
{
    Filters.push_back(cFiltroMain{caption, first, last, extra, firstGazette, lastGazette});
}

void State::DefineExamSets()
{
    ResetExamSets();
    SetExamTime(BuildConstants::ExamHours, BuildConstants::ExamMinutes);
    for (const cSetEsame& s : Competition::ExamSets()) AddExamSet(s.IDArgomento, s.Difficolta, s.NumeroDomande);
}

void State::DefineFilters()
{
    Filters.clear();
    for (const cFiltroMain& f : Competition::Filters())
        AddTopicFilter(f.PrimoArg, f.UltimoArg, f.PrimoIDGazzetta, f.UltimoIDGazzetta, f.Descrizione, f.ExtraArg);
}

void State::ApplyTopicFilter(int row)
{
    if (Filters.empty()) return;
    TestRequest::ApplyTopicFilter(Filters[static_cast<size_t>(std::clamp(row, 0, static_cast<int>(Filters.size()) - 1))]);
}

void InitGlobals()
{
    State& g = Shared();
    g.Themes = ModThemes::InitThemes();
    g.CompetitionTitle = std::string(BuildConstants::CompetitionTitle);
    g.DataFileName = std::string(BuildConstants::DataFileName);
}

bool DataFileExists() { return DataFolders::BankExists(Shared().DataFileName); }

void Reset() { Shared() = State{}; }

}  // namespace ModGlobal
