#pragma once

#include "print/DocumentData.h"

namespace word {

// A column of a table; index from 1.
class Column {
public:
    // The column's cells become the selection.
    void Select();
    // rulerStyle 0: the other columns keep their widths (the only one supported).
    void SetWidth(double points, int32_t rulerStyle);

private:
    friend class Columns;
    Column(ApplicationState* app, std::shared_ptr<TableData> table, size_t index)
        : m_app(app), m_table(std::move(table)), m_index(index)
    {
    }

    ApplicationState* m_app;
    std::shared_ptr<TableData> m_table;
    size_t m_index;  // from 0
};

}  // namespace word
