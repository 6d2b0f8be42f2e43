#pragma once

#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"
#include "bank/Failure.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the statistics window lists: per question its gazette number, topic,
// text and counters, as the cells are shown (cp1252).
struct StatisticsRow {
    int32_t codice = 0;
    // Codice, Argomento, Testo, N.Vis, N.OK, N.Err, E.
    std::array<std::string, 7> cells;
};

// The statistics window's own copy of the bank and handle on its ".rec" file;
// the test's globals are left alone.
class StatisticsData {
public:
    // Loads the bank and opens its statistics file (which may be missing).
    void Load(const std::filesystem::path& dataFile, const std::filesystem::path& recordFile, int32_t topic);

    // "Statistiche di tutti gli argomenti" or "Statistiche dell'argomento:  " + name (cp1252).
    const std::string& Caption() const { return m_caption; }
    const std::vector<StatisticsRow>& Rows() const { return m_rows; }
    bool StoreOpen() const { return m_store && m_store->Initialized(); }
    const std::shared_ptr<cDocumento>& Document() const { return m_document; }

    // Clears every record of the listed topic, cancelled questions included.
    Expected<void> ResetAll();
    // Turns every "ERRATA" mark of the listed topic into "removed"; counters stay.
    Expected<void> ResetWrong();

    static std::string RenderCell(int32_t value);
    // Removes <i>, </i>, <u>, </u> and turns <br> into four blanks, in any case.
    static std::string StripTags(std::string_view text);
    // The text column: a decoded question on one line, its markup as StripTags
    // leaves it, and entities, dashes and quotes as the quiz screen shows them.
    static std::string TextCell(std::string_view decoded);

private:
    void BuildRows();

    std::shared_ptr<cDocumento> m_document;
    std::shared_ptr<cRecordBase> m_store;
    std::shared_ptr<cQuesiti> m_list;
    std::vector<StatisticsRow> m_rows;
    std::string m_caption;
};
