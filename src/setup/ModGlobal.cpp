#include "setup/ModGlobal.h"

#include "bank/DataFolders.h"

#include "setup/BuildConstants.h"

namespace ModGlobal {

std::string CompetitionTitle;
std::string DataFileName;
std::string CurrentDataFile;

std::shared_ptr<cDocumento> Document;
std::shared_ptr<cQuesiti> TestSet;
std::shared_ptr<cRecordBase> RecordStore;

std::vector<cFiltroMain> Filters;
std::vector<cSetEsame> ExamSets;
int32_t ExamHours = 0;
int32_t ExamMinutes = 0;

std::shared_ptr<cTemi> Themes;
std::shared_ptr<cTema> CurrentTheme;

std::filesystem::path CurrentDataPath() { return DataFolders::BankPath(CurrentDataFile); }

std::filesystem::path CurrentWrittenFile(const std::string& name)
{
    return DataFolders::WritableFolderFor(CurrentDataPath()) / name;
}

std::filesystem::path CurrentRecordPath() { return CurrentWrittenFile(CurrentDataFile + ".rec"); }

bool DataFileExists() { return DataFolders::BankExists(DataFileName); }

void InitGlobals()
{
    Themes = ModThemes::InitThemes();
    CompetitionTitle = std::string(BuildConstants::CompetitionTitle);
    DataFileName = std::string(BuildConstants::DataFileName);
}

void Reset()
{
    CompetitionTitle.clear();
    DataFileName.clear();
    CurrentDataFile.clear();
    Document.reset();
    TestSet.reset();
    RecordStore.reset();
    Filters.clear();
    ExamSets.clear();
    ExamHours = 0;
    ExamMinutes = 0;
    Themes.reset();
    CurrentTheme.reset();
}

}  // namespace ModGlobal
