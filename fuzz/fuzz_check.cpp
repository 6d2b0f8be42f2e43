// The bank tool's strict check on arbitrary bytes. A file it passes must load, with the
// program's own loader, into exactly what it counted and promised.
#include "bank/cDocumento.h"
#include "bank/DataFileFormat.h"

#include "tools/BankChecker.h"

#include "FuzzSupport.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    BankChecker::Summary summary;
    const Diagnostics problems = BankChecker::Check(input, "fuzz.dat", &summary);
    for (const auto& p : problems) FUZZ_CHECK(!p.ToString().empty());
    if (!problems.empty()) return 0;

    cDocumento doc;
    doc.LoadFromData(input);
    FUZZ_CHECK(doc.Argomenti().Count() == summary.topics);
    FUZZ_CHECK(doc.Quesiti()->Count() == summary.questions);
    for (const auto& q : *doc.Quesiti()) {
        FUZZ_CHECK(q->Argomento() != nullptr);
        FUZZ_CHECK(!q->Descrizione.empty());
        FUZZ_CHECK(q->RispostaCorretta >= 1 && q->RispostaCorretta <= doc.NumRisposte());
        FUZZ_CHECK(!q->Risposta(q->RispostaCorretta).empty());
        FUZZ_CHECK(DataFileFormat::ValidDifficolta(q->Difficolta));
    }
    return 0;
}
