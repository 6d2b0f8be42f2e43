#include "tools/import/BankUpdate.h"

#include "tools/import/BankRules.h"
#include "tools/import/DataFileBank.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace Import {

namespace {

std::string Numbered(const Question& q) { return "question " + std::to_string(q.numero); }

// A text carried over from the old bank as the source can hold it: a damaged
// bank may decode to line breaks, control characters or bytes cp1252 leaves
// undefined (U+FFFD), each of which becomes a blank. True when one did.
bool Carry(std::string& text)
{
    bool changed = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\t') || c == 0x7F) {
            text[i] = ' ';
            changed = true;
        } else if (text.compare(i, 3, "\xEF\xBF\xBD") == 0) {
            text.replace(i, 3, " ");
            changed = true;
        }
    }
    return changed;
}

bool Carry(Question& q)
{
    bool changed = false;
    for (auto* text : {&q.domanda, &q.spiegazione, &q.brano, &q.immagine, &q.nota, &q.argomento}) changed |= Carry(*text);
    for (auto& r : q.risposte) changed |= Carry(r);
    return changed;
}

void Inherit(Question& q, const Question& old)
{
    for (auto [mine, theirs] : {std::pair{&q.spiegazione, &old.spiegazione}, {&q.brano, &old.brano},
                                {&q.immagine, &old.immagine}, {&q.nota, &old.nota}})
        if (mine->empty()) *mine = *theirs;
    if (old.difficolta >= 1 && old.difficolta <= 3) q.difficolta = old.difficolta;
}

}  // namespace

UpdateCounts Update(Bank& imported, const Bank& old)
{
    UpdateCounts counts;
    const size_t oldCount = old.quesiti.size();
    std::vector<std::optional<size_t>> slot(oldCount);  // old position -> imported index
    std::vector<bool> placed(imported.quesiti.size());

    std::multimap<std::string, size_t> byText;
    std::map<int, size_t> byNumber;
    for (size_t p = 0; p < oldCount; ++p) {
        byText.emplace(Identity(old.quesiti[p]), p);
        byNumber.emplace(old.quesiti[p].numero, p);
    }
    for (size_t k = 0; k < imported.quesiti.size(); ++k) {
        const auto range = byText.equal_range(Identity(imported.quesiti[k]));
        for (auto it = range.first; it != range.second; ++it)
            if (!slot[it->second]) {
                slot[it->second] = k;
                placed[k] = true;
                break;
            }
    }
    for (size_t k = 0; k < imported.quesiti.size(); ++k) {
        if (placed[k]) continue;
        const auto it = byNumber.find(imported.quesiti[k].numero);
        if (it == byNumber.end() || slot[it->second]) continue;
        slot[it->second] = k;
        placed[k] = true;
        const Question& q = imported.quesiti[k];
        imported.Note(q.line, Numbered(q) + " corrected (its text or answers changed): keeps position "
                                  + std::to_string(it->second + 1));
        ++counts.corrected;
    }

    std::vector<Question> merged;
    merged.reserve(oldCount + imported.quesiti.size());
    std::set<int> numbers;
    for (size_t k = 0; k < imported.quesiti.size(); ++k) numbers.insert(imported.quesiti[k].numero);
    int next = numbers.empty() ? 1 : *numbers.rbegin() + 1;
    for (const auto& q : old.quesiti) next = std::max(next, q.numero + 1);
    for (size_t p = 0; p < oldCount; ++p) {
        Question was = old.quesiti[p];
        if (Carry(was))
            imported.Note(0, "position " + std::to_string(p + 1) + " of the old bank holds control characters or "
                                 "undefined bytes: blanks here");
        if (slot[p]) {
            Question q = imported.quesiti[*slot[p]];
            if (q.esatta != was.esatta && Identity(q) == Identity(was)) {
                imported.Note(q.line, Numbered(q) + ": right answer changed from " + Letter(std::clamp(was.esatta, 1, 26))
                                          + " to " + Letter(q.esatta) + ", keeps position " + std::to_string(p + 1));
                ++counts.corrected;
            } else if (Identity(q) == Identity(was)) {
                ++counts.kept;
            }
            Inherit(q, was);
            merged.push_back(std::move(q));
            continue;
        }
        Question q = was;
        q.difficolta = 9;
        if (q.argomento.empty()) q.argomento = imported.argomenti.empty() ? "Generale" : imported.argomenti.front();
        std::string renumbered;
        if (!numbers.insert(q.numero).second) {
            renumbered = " (its number " + std::to_string(q.numero) + " now belongs to another question: numbered "
                         + std::to_string(next) + ")";
            q.numero = next;
            numbers.insert(next++);
        }
        imported.Note(0, "position " + std::to_string(p + 1) + ", " + Numbered(was)
                             + ", is not in the input: kept as cancelled" + renumbered);
        merged.push_back(std::move(q));
        ++counts.cancelled;
    }
    for (size_t k = 0; k < imported.quesiti.size(); ++k)
        if (!placed[k]) {
            merged.push_back(std::move(imported.quesiti[k]));
            ++counts.appended;
        }

    std::vector<std::string> topics;
    for (const auto& q : merged)
        if (std::find(topics.begin(), topics.end(), q.argomento) == topics.end()) topics.push_back(q.argomento);
    imported.argomenti = std::move(topics);
    imported.quesiti = std::move(merged);
    return counts;
}

}  // namespace Import
