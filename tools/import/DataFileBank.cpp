#include "tools/import/DataFileBank.h"

#include "tools/import/TextTools.h"

#include "bank/Cp1252.h"
#include "bank/ModEncoding.h"
#include "bank/TextFile.h"
#include "bank/cDocumento.h"
#include "bank/cQuesiti.h"

namespace Import {

namespace {

// The codec pads the last group with blanks.
std::string Raw(const std::string& encoded)
{
    std::string text = ModEncoding::Decode(encoded);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return Cp1252::ToUtf8(text);
}

}  // namespace

std::optional<Bank> LoadDataFile(const std::filesystem::path& path)
{
    const auto data = TextFile::ReadAll(path);
    if (!data) return std::nullopt;
    cDocumento doc;
    doc.LoadFromData(*data);
    Bank bank;
    bank.input = path.string();
    std::vector<int> qiLines;
    int lineNo = 0;
    for (const std::string_view line : TextFile::SplitLines(*data)) {
        ++lineNo;
        if (line.starts_with("QI:")) qiLines.push_back(lineNo);
    }
    for (const auto& t : doc.Argomenti()) bank.argomenti.push_back(Cp1252::ToUtf8(t->Nome));
    for (const auto& q : *doc.Quesiti()) {
        Question out;
        const size_t index = bank.quesiti.size();
        out.line = index < qiLines.size() ? qiLines[index] : 0;
        out.numero = q->IDGazzetta;
        out.argomento = q->Argomento() ? Cp1252::ToUtf8(q->Argomento()->Nome) : std::string();
        out.difficolta = q->Difficolta;
        out.esatta = q->RispostaCorretta;
        out.domanda = Raw(q->Descrizione);
        for (int32_t k = 1; k <= cQuesito::MaxRisposte; ++k) out.risposte.push_back(Raw(q->Risposta(k)));
        while (!out.risposte.empty() && out.risposte.back().empty()) out.risposte.pop_back();
        out.spiegazione = Raw(q->Hint);
        out.brano = Raw(q->Brano);
        out.immagine = Raw(q->Immagine);
        out.nota = Raw(q->Note);
        bank.quesiti.push_back(std::move(out));
    }
    return bank;
}

std::string Identity(const Question& q)
{
    std::string key = q.domanda;
    for (const auto& r : q.risposte) key.append(1, '\0').append(r);
    return key;
}

}  // namespace Import
