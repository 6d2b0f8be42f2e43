#include "print/Row.h"

namespace word {

void Row::Select()
{
    m_app->Log([&] { return "Table.Rows(" + std::to_string(m_index + 1) + ").Select"; });
    SelectionData& s = m_app->selection;
    s = {};
    s.document = m_table->owner;
    s.table = m_table;
    for (size_t c = 0; c < m_table->ColumnCount(); ++c) s.cells.emplace_back(m_index, c);
}

}  // namespace word
