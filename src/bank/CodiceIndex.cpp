#include "bank/CodiceIndex.h"

#include <algorithm>

bool CodiceIndex::Dense(int32_t codice) const
{
    return codice >= 0 && static_cast<size_t>(codice) < 2 * std::max(m_count, m_expected) + 1024;
}

size_t CodiceIndex::Find(int32_t codice) const
{
    if (codice >= 0 && static_cast<size_t>(codice) < m_table.size() && m_table[static_cast<size_t>(codice)] != None)
        return m_table[static_cast<size_t>(codice)];
    const auto it = m_other.find(codice);
    return it == m_other.end() ? None : it->second;
}

bool CodiceIndex::Insert(int32_t codice, size_t position)
{
    if (Find(codice) != None) return false;
    if (Dense(codice)) {
        const auto at = static_cast<size_t>(codice);
        if (at >= m_table.size()) m_table.resize(std::max(at + 1, 2 * m_table.size()), None);
        m_table[at] = position;
    } else {
        m_other.emplace(codice, position);
    }
    ++m_count;
    return true;
}

void CodiceIndex::Clear()
{
    m_table.clear();
    m_other.clear();
    m_count = 0;
    m_expected = 0;
}
