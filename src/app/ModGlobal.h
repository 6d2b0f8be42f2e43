#pragma once

#include "cFiltroMain.h"

#include "../bank/ModThemes.h"
#include "../bank/cDocumento.h"
#include "../bank/cQuesiti.h"
#include "../bank/cRecordBase.h"
#include "../bank/cSetEsame.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// State shared by every window. Objects are shared; clearing a slot releases them.
namespace ModGlobal {

extern std::string CompetitionTitle;
extern std::string DataFileName;
// The data file of the area being practised; empty before the start screen picks one.
extern std::string CurrentDataFile;

extern std::shared_ptr<cDocumento> Document;
extern std::shared_ptr<cQuesiti> TestSet;
extern std::shared_ptr<cRecordBase> RecordStore;

extern std::vector<cFiltroMain> Filters;
extern std::vector<cSetEsame> ExamSets;
extern int32_t ExamHours;
extern int32_t ExamMinutes;

extern std::shared_ptr<cTemi> Themes;
extern std::shared_ptr<cTema> CurrentTheme;

// Program folder / CurrentDataFile, and the same with ".rec".
std::filesystem::path CurrentDataPath();
std::filesystem::path CurrentRecordPath();

// True when the competition's data file is in the program folder.
bool DataFileExists();

// The first steps of the program: themes, title and data file name.
void InitGlobals();

// Back to the state of a fresh program (for tests).
void Reset();

}  // namespace ModGlobal
