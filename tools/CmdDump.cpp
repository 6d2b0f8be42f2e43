#include "bank/cDocumento.h"
#include "bank/Cp1252.h"
#include "bank/ModEncoding.h"
#include "bank/TextConvert.h"

#include "tools/Commands.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace BankTool {

int Dump(const Args& args)
{
    cDocumento document;
    if (!LoadBank(args[0], document)) return ProblemFound;
    using nlohmann::ordered_json;
    const auto utf8 = [](const std::string& cp1252) { return Cp1252::ToUtf8(cp1252); };

    ordered_json topics = ordered_json::array();
    for (const auto& t : document.Argomenti()) topics.push_back({{"id", t->ID}, {"nome", utf8(t->Nome)}});
    std::cout << ordered_json{{"numRisposte", document.NumRisposte()}, {"topics", topics}}.dump() << "\n";

    for (const auto& q : *document.Quesiti()) {
        ordered_json answers = ordered_json::array();
        for (int32_t i = 1; i <= cQuesito::MaxRisposte; ++i) answers.push_back(utf8(q->VisualRisposta(i)));
        const ordered_json line = {
            {"codice", q->Codice},
            {"gazzetta", q->IDGazzetta},
            {"argomento", q->Argomento() ? q->Argomento()->ID : 0},
            {"difficolta", q->Difficolta},
            {"corretta", q->RispostaCorretta},
            {"numRisposte", q->NumRisposte()},
            {"testo", utf8(q->VisualDescrizione())},
            {"risposte", answers},
            {"note", utf8(q->VisualNote())},
            {"brano", utf8(q->VisualBrano())},
            {"hint", utf8(q->VisualHint())},
            // A file name: decoded and trimmed, without the display cleaning.
            {"immagine", utf8(std::string(TextConvert::TrimBlanks(ModEncoding::Decode(q->Immagine))))},
        };
        std::cout << line.dump() << "\n";
    }
    return Success;
}

}  // namespace BankTool
