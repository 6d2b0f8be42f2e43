#pragma once

#include "bank/cArgomenti.h"
#include "bank/cQuesiti.h"
#include "bank/Failure.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// The loaded bank: topics, questions and the answers each question offers.
class cDocumento {
public:
    cDocumento() { Clear(); }

    cArgomenti& Argomenti() { return *m_argomenti; }
    const cArgomenti& Argomenti() const { return *m_argomenti; }
    const std::shared_ptr<cQuesiti>& Quesiti() const { return m_quesiti; }

    int32_t NumRisposte() const { return m_numRisposte; }
    // Also sets the question set's NumRisposte.
    void SetNumRisposte(int32_t value);

    void Clear();

    // Rebuilds the document from a data file. Never fails: unreadable or
    // malformed lines leave their items unset.
    void LoadFromText(const std::filesystem::path& path);
    // The same on a data file's bytes already in memory.
    void LoadFromData(std::string_view data);
    // Rebuilds only the topic list from the bank of that name (DataFolders).
    void LoadArgomentiFromText(const std::string& nomeFile);
    void LoadArgomentiFromPath(const std::filesystem::path& path);

    // First and last gazette number of the topic's first unbroken run; (0, 0) when it has none.
    void GetRangePerArgomento(const std::shared_ptr<cArgomento>& argomento, int32_t& primoID,
                              int32_t& ultimoID) const;

    // A new statistics file of cleared records, one per question, replacing any file there.
    [[nodiscard]] Expected<void> InitializeRecordBase(const std::filesystem::path& path) const;

private:
    std::shared_ptr<cArgomenti> m_argomenti;
    std::shared_ptr<cQuesiti> m_quesiti;
    int32_t m_numRisposte = 4;
};
