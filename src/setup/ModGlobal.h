#pragma once

#include "bank/cDocumento.h"
#include "bank/cQuesiti.h"
#include "bank/cRecordBase.h"
#include "bank/cSetEsame.h"
#include "bank/ModThemes.h"

#include "setup/cFiltroMain.h"

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

// The bank of CurrentDataFile where it was found (DataFolders).
std::filesystem::path CurrentDataPath();
// A file the program writes for that bank: beside it, or in the per-user
// folder when the bank's folder is read-only.
std::filesystem::path CurrentWrittenFile(const std::string& name);
// Its statistics file, CurrentDataFile + ".rec".
std::filesystem::path CurrentRecordPath();

// True when the competition's data file is found.
bool DataFileExists();

// The first steps of the program: themes, title and data file name.
void InitGlobals();

// Back to the state of a fresh program (for tests).
void Reset();

}  // namespace ModGlobal
