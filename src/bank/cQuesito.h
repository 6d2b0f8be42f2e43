#pragma once

#include "bank/cArgomento.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// One multiple-choice question. Texts are held in their stored (encoded) form
// and decoded only by the Visual… getters.
class cQuesito {
public:
    int32_t Codice = 0;
    std::string Descrizione;
    int32_t IDGazzetta = 0;
    int32_t RispostaCorretta = 0;
    int32_t RispostaData = 0;
    int32_t Difficolta = 0;
    std::string Brano;
    std::string Hint;
    std::string Note;
    std::string Immagine;

    static constexpr int32_t MaxRisposte = 5;

    // Raw answer i (1..5); any other index is a BankError.
    const std::string& Risposta(int32_t i) const;
    void SetRisposta(int32_t i, std::string value);

    const std::shared_ptr<cArgomento>& Argomento() const { return m_argomento; }
    void SetArgomento(std::shared_ptr<cArgomento> topic) { m_argomento = std::move(topic); }

    std::string VisualDescrizione() const;
    std::string VisualNote() const;
    std::string VisualHint() const;
    std::string VisualBrano() const;
    std::string VisualRisposta(int32_t i) const;

    // Codice, Descrizione, RispostaCorretta, RispostaData, Difficolta, the five
    // answers and IDGazzetta, joined by NUL characters.
    std::string Serial() const;
    // Items missing or not numbers leave their field as it was.
    void SetSerial(const std::string& serial);
    std::shared_ptr<cQuesito> GetClone() const;

    // Permutes answers 1..n uniformly; the correct and given answer numbers follow their texts.
    void ShuffleAnswers(int32_t n);

    // The bank's number of the answer shown at each position, 1..5: as loaded
    // 1, 2, 3, 4, 5; a shuffle permutes it with the texts.
    using Ordine = std::array<int8_t, MaxRisposte>;
    const Ordine& OrdineRisposte() const { return m_ordine; }
    // Shows the answers in that order of the bank's own, the correct answer
    // following its text (the given one is the caller's). False, and nothing
    // changed, unless it permutes 1..5 and keeps the non-empty answers first.
    bool SetOrdineRisposte(const Ordine& ordine);

    // Number of non-empty answers.
    int32_t NumRisposte() const;

private:
    std::array<std::string, MaxRisposte> m_risposte;
    Ordine m_ordine{1, 2, 3, 4, 5};
    std::shared_ptr<cArgomento> m_argomento;
};
