#include "setup/ModFunzioni.h"

#include "bank/cEsaSorter.h"
#include "bank/cTRSorter.h"
#include "bank/TextConvert.h"

#include "setup/BuildConstants.h"
#include "setup/Clock.h"
#include "setup/ModGlobal.h"
#include "setup/SessionFile.h"
#include "setup/TestSettings.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <unordered_set>

namespace ModFunzioni {

using namespace ModGlobal;

std::string DescribeSettings()
{
    std::string s = Clock::NowText();
    auto add = [&s](const std::string& field) {
        s += '|';
        s += field;
    };
    add(std::to_string(TopicFilter));
    add(CurrentDataFile);
    add(std::to_string(OrderMode));
    add(std::to_string(QuestionCount));
    add(TextConvert::FromBool(KeepAnswerOrder));
    add(TextConvert::FromBool(RecordWrongAnswers));
    add(std::to_string(TimeLimitHours));
    add(std::to_string(TimeLimitMinutes));
    add(std::to_string(StartNumber));
    return s;
}

bool OpenRecordStore()
{
    RecordStore = std::make_shared<cRecordBase>();
    const auto path = CurrentRecordPath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) Document->InitializeRecordBase(path);
    return RecordStore->OpenExisting(path);
}

namespace {

std::shared_ptr<cQuesiti> OrderedGazette(const std::shared_ptr<cQuesiti>& set)
{
    if (StartNumber < 2) return set->EliminaQuesitiAnnullati();
    if (TopicFilter > 0) {
        if (const auto topic = Document->Argomenti().Find(TopicFilter)) {
            int32_t first = 0;
            int32_t last = 0;
            Document->GetRangePerArgomento(topic, first, last);
            // The start number counts within the topic's own block of gazette numbers.
            if (StartNumber < first) {
                StartNumber = StartNumber + first - 1;
                if (StartNumber < first) StartNumber = first;
            }
        }
    }
    return set->GetRangeGazzetta(StartNumber, 0);
}

std::shared_ptr<cQuesiti> ExamSimulation(const std::shared_ptr<cQuesiti>& set)
{
    auto exam = std::make_shared<cQuesiti>();
    std::unordered_set<int32_t> taken;
    for (const cSetEsame& s : ExamSets) {
        cEsaSorter sorter;
        sorter.SetEsame = s;
        const auto draw = set->GetRandomized(&sorter);
        int32_t added = 0;
        for (const auto& q : *draw) {
            if (added >= s.NumeroDomande) break;
            // Entries may overlap; a question is asked once.
            if (!taken.insert(q->Codice).second) continue;
            exam->AddObject(q);
            ++added;
        }
    }
    return exam->GetRandomized(nullptr);
}

}  // namespace

void EstraiQuesiti()
{
    Document = std::make_shared<cDocumento>();
    Document->LoadFromText(CurrentDataPath());
    OpenRecordStore();
    if (!KeepAnswerOrder) Document->Quesiti()->ShuffleAnswers();
    auto set = Document->Quesiti();

    if (OrderMode != OrderEsame) {
        if (TopicFilter > 0) {
            const auto topic = Document->Argomenti().Find(TopicFilter);
            // A topic the bank does not have selects nothing.
            set = topic ? set->FilterByArgomento(topic) : std::make_shared<cQuesiti>();
        }
        if (TopicRangeFirst > 0 && TopicRangeLast > 0)
            set = set->FilterByRangeArgomenti(TopicRangeFirst, TopicRangeLast, TopicRangeExtra);
        if (GazetteRangeFirst > 0 && GazetteRangeLast > 0)
            set = set->FilterByRangeIDGazzetta(GazetteRangeFirst, GazetteRangeLast);
    }

    switch (OrderMode) {
    case OrderCasuale:
        set = set->GetRandomized(nullptr);
        break;
    case OrderPrimaErrate:
    case OrderMenoProposti:
    case OrderSoloErrate: {
        cTRSorter sorter;
        sorter.RecordBase = RecordStore;
        sorter.PrimaErrate = OrderMode != OrderMenoProposti;
        sorter.SoloErrate = OrderMode == OrderSoloErrate;
        set = set->GetRandomized(&sorter);
        break;
    }
    case OrderGazzetta:
        set = OrderedGazette(set);
        break;
    case OrderEsame:
        set = ExamSimulation(set);
        break;
    default:
        break;
    }

    if (QuestionCount > 0) set = set->GetFirstN(QuestionCount);
    for (const auto& q : *set) q->RispostaData = 0;
    TestSet = set;
}

std::filesystem::path LogFilePath()
{
    return CurrentWrittenFile(std::filesystem::path(CurrentDataFile).stem().string() + ".log");
}

void WriteLog(const std::string& line)
{
    std::ofstream out(LogFilePath(), std::ios::binary | std::ios::app);
    if (!out) return;
    out << line << "\r\n";
}

Expected<void> SaveSession(const std::filesystem::path& path, int32_t position)
{
    if (!TestSet) return Fail("nessun test da registrare");
    return SessionFile::Write(path, DescribeSettings(), position, *TestSet);
}

void ResetExamSets()
{
    ExamSets.clear();
    ExamHours = 0;
    ExamMinutes = 0;
}

void SetExamTime(int32_t hours, int32_t minutes)
{
    ExamHours = hours;
    ExamMinutes = minutes;
}

void AddExamSet(int32_t topic, int32_t difficulty, int32_t count)
{
    ExamSets.push_back(cSetEsame{topic, difficulty, count});
}

void AddTopicFilter(int32_t first, int32_t last, int32_t firstGazette, int32_t lastGazette,
                    const std::string& caption, int32_t extra)
{
    cFiltroMain f;
    f.Descrizione = caption;
    f.PrimoArg = first;
    f.UltimoArg = last;
    f.ExtraArg = extra;
    f.PrimoIDGazzetta = firstGazette;
    f.UltimoIDGazzetta = lastGazette;
    Filters.push_back(f);
}

void DefineExamSets()
{
    using namespace BuildConstants;
    ResetExamSets();
    SetExamTime(BuildConstants::ExamHours, BuildConstants::ExamMinutes);
    AddExamSet(ExamTopic, ExamDifficulty, ExamQuestions);
}

void DefineFilters()
{
    Filters.clear();
    AddTopicFilter(BuildConstants::FirstTopic, BuildConstants::LastTopic, -1, -1, "TUTTI I QUESITI", -1);
    for (int32_t topic = BuildConstants::FirstTopic; topic <= BuildConstants::LastTopic; ++topic)
        AddTopicFilter(topic, -1, -1, -1, "   *", -1);
}

void ApplyTopicFilter(int row)
{
    if (Filters.empty()) return;
    const cFiltroMain& f = Filters[static_cast<size_t>(std::clamp(row, 0, static_cast<int>(Filters.size()) - 1))];
    if (f.UltimoArg < 1 && f.PrimoArg > 0) {
        TopicFilter = f.PrimoArg;
        TopicRangeFirst = TopicRangeLast = TopicRangeExtra = 0;
    } else {
        TopicFilter = 0;
        TopicRangeFirst = f.PrimoArg;
        TopicRangeLast = f.UltimoArg;
        TopicRangeExtra = f.ExtraArg;
    }
    GazetteRangeFirst = f.PrimoIDGazzetta;
    GazetteRangeLast = f.UltimoIDGazzetta;
}

namespace {
std::filesystem::path g_tempFolder;
}

std::filesystem::path TempFolder()
{
    if (!g_tempFolder.empty()) return g_tempFolder;
    std::error_code ec;
    auto folder = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : folder;
}

void SetTempFolder(const std::filesystem::path& folder) { g_tempFolder = folder; }

UserMessage StatisticsUnavailableMessage()
{
    return {"Attenzione!",
            "Non è stato possibile aprire il file delle statistiche.\r\n"
            "Il test può essere svolto, ma le risposte date non verranno registrate.",
            MessageIcon::Exclamation};
}

}  // namespace ModFunzioni
