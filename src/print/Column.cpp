#include "print/Column.h"

#include "print/PrintError.h"

namespace word {

void Column::Select()
{
    m_app->Log([&] { return "Table.Columns(" + std::to_string(m_index + 1) + ").Select"; });
    SelectionData& s = m_app->selection;
    s = {};
    s.document = m_table->owner;
    s.table = m_table;
    for (size_t r = 0; r < m_table->rows.size(); ++r) s.cells.emplace_back(r, m_index);
}

void Column::SetWidth(double points, int32_t rulerStyle)
{
    m_app->Log([&] {
        return "Table.Columns(" + std::to_string(m_index + 1) + ").SetWidth(" + Num(points) + ", " +
               std::to_string(rulerStyle) + ")";
    });
    if (rulerStyle != 0)
        throw PrintError(PrintError::InvalidArgument, "Modo di adattamento delle colonne non disponibile.");
    if (!(points >= 1 && points <= 1584))
        throw PrintError(PrintError::ValueOutOfRange, "Larghezza di colonna non valida: " + Num(points) + ".");
    m_table->columnWidths[m_index] = points;
}

}  // namespace word
