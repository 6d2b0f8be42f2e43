#include "bank/BankFiles.h"
#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"

#include "tools/Commands.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace BankTool {

int Stats(const Args& args)
{
    cDocumento document;
    if (!LoadBank(args[0], document)) return ProblemFound;
    // Where the program keeps it, and draw writes it.
    const auto recPath = BankFiles::ForPath(args[0]).record;
    std::error_code ec;
    if (!std::filesystem::exists(recPath, ec)) {
        std::cerr << recPath.string() << ": no statistics file\n";
        return ProblemFound;
    }
    cRecordBase store;
    if (!store.OpenExisting(recPath)) {
        std::cerr << recPath.string() << ": cannot open the statistics file for reading and writing\n";
        return ProblemFound;
    }
    for (const auto& q : *document.Quesiti()) {
        const cRecordSpec r = store.ReadRecord(q->Codice);
        std::cout << nlohmann::ordered_json{{"codice", q->Codice},
                                            {"visualizzate", r.nVisualizzate},
                                            {"tralasciate", r.nTralasciate},
                                            {"esatte", r.nEsatte},
                                            {"sbagliate", r.nSbagliate},
                                            {"esito", r.bnUltimoEsito}}
                         .dump()
                  << "\n";
    }
    return Success;
}

}  // namespace BankTool
