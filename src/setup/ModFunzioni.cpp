#include "setup/ModFunzioni.h"

#include "bank/BankFiles.h"
#include "bank/cEsaSorter.h"
#include "bank/cTRSorter.h"

#include "setup/BankMemory.h"
#include "setup/Clock.h"
#include "setup/cRipassoSorter.h"

#include <system_error>
#include <unordered_set>

namespace ModFunzioni {

Expected<std::shared_ptr<cRecordBase>> OpenRecordStore(const cDocumento& document, const std::filesystem::path& path)
{
    auto store = std::make_shared<cRecordBase>();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        if (auto made = document.InitializeRecordBase(path); !made) return tl::unexpected(made.error());
    if (auto opened = store->OpenExisting(path); !opened) return tl::unexpected(opened.error());
    return store;
}

namespace {

std::shared_ptr<cQuesiti> OrderedGazette(const cDocumento& document, const TestRequest& request,
                                         const std::shared_ptr<cQuesiti>& set)
{
    int32_t start = request.StartNumber;
    if (start < 2) return set->EliminaQuesitiAnnullati();
    if (request.TopicFilter > 0) {
        if (const auto topic = document.Argomenti().Find(request.TopicFilter)) {
            int32_t first = 0;
            int32_t last = 0;
            document.GetRangePerArgomento(topic, first, last);
            // The start number counts within the topic's own block of gazette numbers.
            if (start < first) start = std::max(start + first - 1, first);
        }
    }
    return set->GetRangeGazzetta(start, 0);
}

std::shared_ptr<cQuesiti> ExamSimulation(const std::vector<cSetEsame>& sets, const std::shared_ptr<cQuesiti>& set)
{
    auto exam = std::make_shared<cQuesiti>();
    std::unordered_set<int32_t> taken;
    for (const cSetEsame& s : sets) {
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

BuiltTest OpenBank(const TestRequest& request)
{
    const BankFiles files = BankFiles::For(request.CurrentDataFile);
    BuiltTest built;
    built.Document = std::make_shared<cDocumento>();
    built.Document->LoadFromText(files.data);
    if (auto store = OpenRecordStore(*built.Document, files.record)) {
        built.RecordStore = *store;
        built.StatisticsDamaged = cRecordBase::HoldsInvalidRecords(files.record);
    } else {
        built.RecordStore = std::make_shared<cRecordBase>();
        built.StatisticsProblem = store.error();
    }
    if (!request.KeepAnswerOrder) built.Document->Quesiti()->ShuffleAnswers();
    built.TestSet = built.Document->Quesiti();
    return built;
}

std::shared_ptr<cQuesiti> Filter(const cDocumento& document, const TestRequest& request,
                                 std::shared_ptr<cQuesiti> set)
{
    if (request.OrderMode == OrderEsame) return set;
    if (request.TopicFilter > 0) {
        const auto topic = document.Argomenti().Find(request.TopicFilter);
        // A topic the bank does not have selects nothing.
        set = topic ? set->FilterByArgomento(topic) : std::make_shared<cQuesiti>();
    }
    if (request.TopicRangeFirst > 0 && request.TopicRangeLast > 0)
        set = set->FilterByRangeArgomenti(request.TopicRangeFirst, request.TopicRangeLast, request.TopicRangeExtra);
    if (request.GazetteRangeFirst > 0 && request.GazetteRangeLast > 0)
        set = set->FilterByRangeIDGazzetta(request.GazetteRangeFirst, request.GazetteRangeLast);
    return set;
}

Expected<BuiltTest> EstraiQuesiti(const TestRequest& request)
{
    BuiltTest built = OpenBank(request);
    const cDocumento& document = *built.Document;
    auto set = built.TestSet;

    if (!request.Codes.empty()) {
        // Those the bank still has, once each, in the order asked.
        auto chosen = std::make_shared<cQuesiti>();
        for (const int32_t code : request.Codes)
            if (const auto q = set->ItemByCodice(code); q && !chosen->ItemByCodice(code)) chosen->AddObject(q);
        set = chosen;
    } else {
        set = Filter(document, request, set);
    }

    switch (request.Codes.empty() ? request.OrderMode : -1) {
    case OrderCasuale:
        set = set->GetRandomized(nullptr);
        break;
    case OrderPrimaErrate:
    case OrderMenoProposti:
    case OrderSoloErrate: {
        cTRSorter sorter;
        sorter.RecordBase = built.RecordStore;
        sorter.PrimaErrate = request.OrderMode != OrderMenoProposti;
        sorter.SoloErrate = request.OrderMode == OrderSoloErrate;
        set = set->GetRandomized(&sorter);
        break;
    }
    case OrderGazzetta:
        set = OrderedGazette(document, request, set);
        break;
    case OrderEsame:
        set = ExamSimulation(request.ExamSets, set);
        break;
    case OrderRipasso: {
        // The memory of the whole bank: a reset line names topics, not the filtered ones.
        BankMemory memory;
        memory.Load(BankFiles::For(request.CurrentDataFile).log, *document.Quesiti());
        cRipassoSorter sorter;
        sorter.Memory = &memory;
        sorter.Today = Clock::Today();
        set = set->GetRandomized(&sorter);
        break;
    }
    default:
        break;
    }

    if (request.QuestionCount > 0) set = set->GetFirstN(request.QuestionCount);
    for (const auto& q : *set) q->RispostaData = 0;
    if (set->Count() == 0) return Fail(Failure::Kind::NothingFound);
    built.TestSet = set;
    return built;
}

}  // namespace ModFunzioni
