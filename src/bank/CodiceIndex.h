#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// Positions in a question set by Codice. Codes are positions in a data file,
// small and dense: they are kept in a table by code, any other in a map; a
// map alone spent most of a large bank's load growing and rehashing.
class CodiceIndex {
public:
    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    // None when absent.
    std::size_t Find(int32_t codice) const;
    // False, and nothing changed, when the code is already there.
    bool Insert(int32_t codice, std::size_t position);
    void Clear();

    // Codes below this stay in the table (room for the set to grow).
    void SetSize(std::size_t expected) { m_expected = expected; }

private:
    bool Dense(int32_t codice) const;

    std::vector<std::size_t> m_table;  // by code; None where absent
    std::unordered_map<int32_t, std::size_t> m_other;
    std::size_t m_count = 0;
    std::size_t m_expected = 0;
};
