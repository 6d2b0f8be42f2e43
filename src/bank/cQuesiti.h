#pragma once

#include "bank/CodiceIndex.h"
#include "bank/cQuesito.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct cArgomento;
class IQuesitoSorter;

// An ordered set of shared questions, each also found by its Codice (key
// "cod" + Codice). Filters and draws return new sets over the same objects.
class cQuesiti {
public:
    using Ptr = std::shared_ptr<cQuesito>;

    // By 1-based position; a missing position is a BankError.
    const Ptr& Item(int32_t index) const;
    // By key ("cod12"); a missing key is a BankError.
    const Ptr& Item(const std::string& key) const;
    // Null when absent.
    Ptr ItemByCodice(int32_t codice) const;

    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    // A Codice already present is a BankError.
    Ptr Add(int32_t codice);
    Ptr AddObject(Ptr oQuesito);
    void Clear();

    // Largest answer count of the set, kept for printing.
    int32_t NumRisposte = 4;

    // One digit per question: its given answer (0 = none).
    std::string RisposteDate() const;
    // The i-th given answer from the i-th digit; too short or not a digit is a BankError.
    void SetRisposteDate(const std::string& digits);
    std::string RisposteCorrette() const;
    // Puts the correct answer of every answered question back at the stored position.
    void RisposteCorretteFix(const std::string& digits);
    int32_t NumRisposteEsatte() const;
    // Reseeds, then shuffles every question over its own non-empty answers.
    void ShuffleAnswers();

    std::shared_ptr<cQuesiti> GetFirstN(int32_t quanti) const;
    std::shared_ptr<cQuesiti> EliminaQuesitiAnnullati() const;
    std::shared_ptr<cQuesiti> GetRangeGazzetta(int32_t nQuesito1, int32_t nQuesito2) const;
    std::shared_ptr<cQuesiti> FilterByArgomento(const std::shared_ptr<cArgomento>& oArgomento) const;
    std::shared_ptr<cQuesiti> FilterByRangeArgomenti(int32_t nArgomento1, int32_t nArgomento2,
                                                     int32_t nArgomentoExtra) const;
    std::shared_ptr<cQuesiti> FilterByRangeIDGazzetta(int32_t nQuesito1, int32_t nQuesito2) const;
    // Non-cancelled questions not skipped by the sorter, in random order, or in
    // sorter order with random ties. Never throws.
    std::shared_ptr<cQuesiti> GetRandomized(IQuesitoSorter* sorter) const;

private:
    template <typename Keep>
    std::shared_ptr<cQuesiti> Where(Keep keep) const;
    // A question known not to be in the set yet (the set is made from another set).
    void AppendUnique(const Ptr& oQuesito);
    void EnsureIndex() const;

    std::vector<Ptr> m_items;
    // Built when first needed: most drawn and filtered sets are never looked up by
    // code, and indexing every one of them was much of a draw's cost.
    mutable CodiceIndex m_byCodice;
    mutable bool m_indexStale = false;
};
