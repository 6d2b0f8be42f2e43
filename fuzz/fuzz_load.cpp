// The program's loader on arbitrary bytes, then what a test does with the loaded bank.
#include "bank/BankError.h"
#include "bank/BankRandom.h"
#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"
#include "bank/cTRSorter.h"

#include "FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

size_t CountQuestionLines(std::string_view data)
{
    size_t n = 0;
    for (size_t start = 0; start < data.size();) {
        if (data.substr(start, 3) == "QI:") ++n;
        const size_t lf = data.find('\n', start);
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return n;
}

bool SerialTextHoldsNul(const cQuesito& q)
{
    bool nul = q.Descrizione.find('\0') != std::string::npos;
    for (int32_t i = 1; i <= cQuesito::MaxRisposte; ++i) nul = nul || q.Risposta(i).find('\0') != std::string::npos;
    return nul;
}

// One statistics file for the whole run, shorter than most banks, some questions marked wrong.
std::shared_ptr<cRecordBase> g_store;

void UseQuestions(cDocumento& doc)
{
    const auto& quesiti = doc.Quesiti();
    int32_t codice = 0;
    for (const auto& q : *quesiti) {
        FUZZ_CHECK(q->Codice == ++codice);
        q->VisualDescrizione();
        q->VisualNote();
        q->VisualHint();
        q->VisualBrano();
        for (int32_t i = 1; i <= cQuesito::MaxRisposte; ++i) q->VisualRisposta(i);
        // Serial joins its items with NUL characters, so a damaged text holding one cannot
        // survive a clone; nothing needs it to (shuffling copies the answers directly).
        if (!SerialTextHoldsNul(*q)) FUZZ_CHECK(q->GetClone()->Serial() == q->Serial());

        // Shuffling keeps the answers and the correct one's text, wherever it lands.
        const int32_t corretta = q->RispostaCorretta;
        const bool known = corretta >= 1 && corretta <= cQuesito::MaxRisposte;
        const std::string correctText = known ? q->Risposta(corretta) : std::string();
        const int32_t before = q->NumRisposte();
        q->ShuffleAnswers(before);
        FUZZ_CHECK(q->NumRisposte() == before);
        if (known) FUZZ_CHECK(q->Risposta(q->RispostaCorretta) == correctText);
    }

    for (const auto& topic : doc.Argomenti()) {
        int32_t primo = 0, ultimo = 0;
        doc.GetRangePerArgomento(topic, primo, ultimo);
    }

    const int32_t live = quesiti->EliminaQuesitiAnnullati()->Count();
    FUZZ_CHECK(quesiti->GetRandomized(nullptr)->Count() == live);
    cTRSorter sorter;
    sorter.RecordBase = g_store;
    FUZZ_CHECK(quesiti->GetRandomized(&sorter)->Count() == live);
    sorter.SoloErrate = true;
    FUZZ_CHECK(quesiti->GetRandomized(&sorter)->Count() <= live);
    quesiti->FilterByRangeArgomenti(1, doc.Argomenti().Count(), 0);
    quesiti->GetRangeGazzetta(0, 0);

    // Answers given and put back, as a suspended test does; a stored number outside 1..5
    // is the documented misuse error.
    try {
        for (const auto& q : *quesiti) q->RispostaData = q->RispostaCorretta >= 1 && q->RispostaCorretta <= 5 ? 1 : 0;
        const std::string date = quesiti->RisposteDate();
        quesiti->SetRisposteDate(date);
        FUZZ_CHECK(quesiti->RisposteDate() == date);
        quesiti->RisposteCorretteFix(quesiti->RisposteCorrette());
    } catch (const BankError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    BankRandom::SetTestSeed(1);
    static const auto path =
        std::filesystem::temp_directory_path() / ("tq-fuzz-load-" + std::to_string(getpid()) + ".rec");
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    });
    g_store = std::make_shared<cRecordBase>();
    if (g_store->CreateNew(path)) {
        for (int32_t n = 1; n <= 7; ++n) {
            const cRecordSpec rec{n, 0, n / 2, n - n / 2, n % 3 == 0 ? cRecordSpec::Marked : cRecordSpec::MarkRemoved};
            FUZZ_CHECK(g_store->WriteRecord(n, rec));
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    cDocumento doc;
    doc.LoadFromData(input);
    FUZZ_CHECK(static_cast<size_t>(doc.Quesiti()->Count()) == CountQuestionLines(input));
    FUZZ_CHECK(doc.Quesiti()->NumRisposte == doc.NumRisposte());
    UseQuestions(doc);
    return 0;
}
