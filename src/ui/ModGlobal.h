#pragma once

#include "bank/BankFiles.h"
#include "bank/cDocumento.h"
#include "bank/cQuesiti.h"
#include "bank/cRecordBase.h"
#include "bank/cSetEsame.h"
#include "bank/ModThemes.h"

#include "setup/cFiltroMain.h"
#include "setup/TestRecord.h"
#include "setup/TestRequest.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The state the windows share: the program's globals and the test settings,
// by their own names. Objects are shared; clearing a field releases them.
// Logic below the windows never reads it: it takes what it needs as values.
namespace ModGlobal {

struct State : TestRequest {
    // The program (TestRequest holds CurrentDataFile, the data file of the
    // area being practised; empty before the start screen picks one).
    std::string CompetitionTitle;
    std::string DataFileName;

    // The test being built or taken.
    std::shared_ptr<cDocumento> Document;
    std::shared_ptr<cQuesiti> TestSet;
    std::shared_ptr<cRecordBase> RecordStore;

    // The start screen's topic list and exam composition (ExamSets: TestRequest).
    std::vector<cFiltroMain> Filters;
    int32_t ExamHours = 0;
    int32_t ExamMinutes = 0;

    std::shared_ptr<cTemi> Themes;
    std::shared_ptr<cTema> CurrentTheme;

    // A resumed test: where it goes on and the correct answers it holds.
    int32_t ResumeIndex = -1;
    int32_t ResumeCorrect = 0;
    // An interrupted test resumed exactly: what the quiz screen restores
    // beyond the answers (views counted, time left, start time).
    std::optional<TestRecord> ResumeRecord;

    // The print wizard's inputs.
    std::string PrintSourcePath;
    std::string ShuffleText;

    const TestRequest& Request() const { return *this; }
    void SetRequest(const TestRequest& request) { static_cast<TestRequest&>(*this) = request; }

    // Every file of the current bank (BankFiles).
    BankFiles CurrentFiles() const { return BankFiles::For(CurrentDataFile); }

    // The exam composition and the topic list, rebuilt each time the start screen loads.
    void ResetExamSets();
    void SetExamTime(int32_t hours, int32_t minutes);
    void AddExamSet(int32_t topic, int32_t difficulty, int32_t count);
    void AddTopicFilter(int32_t first, int32_t last, int32_t firstGazette, int32_t lastGazette,
                        const std::string& caption, int32_t extra);
    void DefineExamSets();
    void DefineFilters();
    // The topic and gazette filters from a row of the topic list (a row
    // outside the list takes the nearest one).
    void ApplyTopicFilter(int row);
};

State& Shared();

// The first steps of the program: themes, title and data file name.
void InitGlobals();

// True when the competition's data file is found.
bool DataFileExists();

// Back to the state of a fresh program (for tests).
void Reset();

}  // namespace ModGlobal
