#include "bank/cQuesito.h"

#include "bank/BankError.h"
#include "bank/BankRandom.h"
#include "bank/DisplayCleaning.h"
#include "bank/ModEncoding.h"
#include "bank/TextConvert.h"

#include <vector>

namespace {

std::string Visual(const std::string& encoded) { return CleanForDisplay(ModEncoding::Decode(encoded)); }

void CheckIndex(int32_t i)
{
    if (i < 1 || i > cQuesito::MaxRisposte) throw BankError(BankError::Kind::AnswerIndex, std::to_string(i));
}

}  // namespace

const std::string& cQuesito::Risposta(int32_t i) const
{
    CheckIndex(i);
    return m_risposte[static_cast<size_t>(i - 1)];
}

void cQuesito::SetRisposta(int32_t i, std::string value)
{
    CheckIndex(i);
    m_risposte[static_cast<size_t>(i - 1)] = std::move(value);
}

std::string cQuesito::VisualDescrizione() const { return Visual(Descrizione); }
std::string cQuesito::VisualNote() const { return Visual(Note); }
std::string cQuesito::VisualHint() const { return Visual(Hint); }
std::string cQuesito::VisualBrano() const { return Visual(Brano); }
std::string cQuesito::VisualRisposta(int32_t i) const { return Visual(Risposta(i)); }

std::string cQuesito::Serial() const
{
    const char sep = '\0';
    std::string s = std::to_string(Codice);
    s += sep;
    s += Descrizione;
    s += sep;
    s += std::to_string(RispostaCorretta);
    s += sep;
    s += std::to_string(RispostaData);
    s += sep;
    s += std::to_string(Difficolta);
    for (const auto& r : m_risposte) {
        s += sep;
        s += r;
    }
    s += sep;
    s += std::to_string(IDGazzetta);
    return s;
}

void cQuesito::SetSerial(const std::string& serial)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        const size_t end = serial.find('\0', start);
        items.push_back(serial.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    auto number = [&](size_t k, int32_t& field) {
        if (k < items.size())
            if (const auto v = TextConvert::ToInt32(items[k])) field = *v;
    };
    number(0, Codice);
    if (items.size() > 1) Descrizione = items[1];
    number(2, RispostaCorretta);
    number(3, RispostaData);
    number(4, Difficolta);
    for (size_t a = 0; a < m_risposte.size(); ++a)
        if (5 + a < items.size()) m_risposte[a] = items[5 + a];
    number(10, IDGazzetta);
}

std::shared_ptr<cQuesito> cQuesito::GetClone() const
{
    auto clone = std::make_shared<cQuesito>();
    clone->SetSerial(Serial());
    return clone;
}

void cQuesito::ShuffleAnswers(int32_t n)
{
    // Answers exist at 1..5 only; a larger count could never finish drawing.
    if (n > MaxRisposte) n = MaxRisposte;
    if (n < 2) return;
    // Moved, not copied: a copy of every answer text was most of a shuffle's cost.
    auto copy = std::move(m_risposte);
    const auto ordine = m_ordine;
    std::array<bool, MaxRisposte> taken{};
    const int32_t correct = RispostaCorretta;
    const int32_t given = RispostaData;
    for (int32_t i = 1; i <= n; ++i) {
        int32_t j = 0;
        do {
            j = (static_cast<int32_t>(BankRandom::Next() * 256.0) & 7) + 1;
        } while (j > n || taken[static_cast<size_t>(j - 1)]);
        taken[static_cast<size_t>(j - 1)] = true;
        m_risposte[static_cast<size_t>(i - 1)] = std::move(copy[static_cast<size_t>(j - 1)]);
        m_ordine[static_cast<size_t>(i - 1)] = ordine[static_cast<size_t>(j - 1)];
        if (correct == j) RispostaCorretta = i;
        if (given == j) RispostaData = i;
    }
    for (size_t k = static_cast<size_t>(n); k < copy.size(); ++k) m_risposte[k] = std::move(copy[k]);
}

bool cQuesito::SetOrdineRisposte(const Ordine& ordine)
{
    const int32_t n = NumRisposte();
    std::array<bool, MaxRisposte> seen{};
    for (size_t i = 0; i < ordine.size(); ++i) {
        const int k = ordine[i];
        if (k < 1 || k > MaxRisposte || seen[static_cast<size_t>(k - 1)]) return false;
        seen[static_cast<size_t>(k - 1)] = true;
        // The shown answers are the bank's non-empty ones, all of them.
        if ((static_cast<int32_t>(i) < n) != (k <= n)) return false;
    }
    // The bank's own texts, back from the order they are shown in now.
    std::array<std::string, MaxRisposte> bank;
    for (size_t i = 0; i < m_ordine.size(); ++i) bank[static_cast<size_t>(m_ordine[i] - 1)] = m_risposte[i];
    const int8_t correct = RispostaCorretta >= 1 && RispostaCorretta <= MaxRisposte
                               ? m_ordine[static_cast<size_t>(RispostaCorretta - 1)]
                               : 0;
    for (size_t i = 0; i < ordine.size(); ++i) {
        m_risposte[i] = bank[static_cast<size_t>(ordine[i] - 1)];
        if (ordine[i] == correct) RispostaCorretta = static_cast<int32_t>(i) + 1;
    }
    m_ordine = ordine;
    return true;
}

int32_t cQuesito::NumRisposte() const
{
    int32_t n = 0;
    for (const auto& r : m_risposte)
        if (!r.empty()) ++n;
    return n;
}
