#include "tools/import/SourceWriter.h"

#include "tools/import/BankRules.h"

#include <algorithm>
#include <map>

namespace Import {

std::string WriteSource(const Bank& bank, const std::string& heading)
{
    std::string out;
    const auto put = [&out](std::string_view tag, std::string_view value) {
        out.append(tag).append(value).append("\n");
    };
    if (!heading.empty()) out.append("# ").append(heading).append("\n");
    std::map<std::string, int> ids;
    for (const auto& name : bank.argomenti) {
        ids.emplace(name, static_cast<int>(ids.size()) + 1);
        put("AM:", name);
    }
    const int numRisposte = NumRisposte(bank);
    if (numRisposte != 4) put("NR:", std::to_string(numRisposte));
    for (const auto& q : bank.quesiti) {
        out.append("\n");
        put("QI:", std::to_string(q.numero) + "," + std::to_string(ids.at(q.argomento)) + ","
                       + std::to_string(q.difficolta) + "," + std::to_string(q.esatta));
        put("QD:", q.domanda);
        if (!q.nota.empty()) put("NO:", q.nota);
        if (!q.brano.empty()) put("LE:", q.brano);
        if (!q.spiegazione.empty()) put("HI:", q.spiegazione);
        if (!q.immagine.empty()) put("IM:", q.immagine);
        for (size_t k = 0; k < q.risposte.size(); ++k) put("R" + std::to_string(k + 1) + ":", q.risposte[k]);
    }
    return out;
}

}  // namespace Import
