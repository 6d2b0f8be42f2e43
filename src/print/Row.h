#pragma once

#include "print/DocumentData.h"

namespace word {

// A row of a table; index from 1.
class Row {
public:
    // The row's cells become the selection.
    void Select();

private:
    friend class Rows;
    Row(ApplicationState* app, std::shared_ptr<TableData> table, size_t index)
        : m_app(app), m_table(std::move(table)), m_index(index)
    {
    }

    ApplicationState* m_app;
    std::shared_ptr<TableData> m_table;
    size_t m_index;  // from 0
};

}  // namespace word
