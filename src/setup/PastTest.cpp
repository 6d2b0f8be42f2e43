#include "setup/PastTest.h"

namespace PastTest {

Questions Rebuild(const HistoryEntry& entry, const cDocumento& document)
{
    Questions out;
    out.test = std::make_shared<cQuesiti>();
    out.test->NumRisposte = document.NumRisposte();
    for (const TestItem& item : entry.Items) {
        const auto q = document.Quesiti()->ItemByCodice(item.Codice);
        if (!q || out.test->ItemByCodice(item.Codice) || !q->SetOrdineRisposte(item.Ordine)) {
            out.missing = true;
            continue;
        }
        q->RispostaData = item.Given;
        out.test->AddObject(q);
    }
    return out;
}

Expected<TestRequest> RepeatWrong(const HistoryEntry& entry, const TestRequest& current)
{
    TestRequest r;
    r.CurrentDataFile = current.CurrentDataFile;
    r.ExamSets = current.ExamSets;
    r.KeepAnswerOrder = current.KeepAnswerOrder;
    r.RecordWrongAnswers = current.RecordWrongAnswers;
    for (const TestItem& item : entry.Items)
        if (item.Given <= 0 || item.Late || item.Given != item.Correct) r.Codes.push_back(item.Codice);
    if (r.Codes.empty()) return Fail(Failure::Kind::NothingFound);
    return r;
}

}  // namespace PastTest
