#pragma once

#include "print/Column.h"

namespace word {

class Columns {
public:
    int32_t Count() const { return static_cast<int32_t>(m_table->ColumnCount()); }
    // From 1 to Count.
    Column operator()(int32_t index);

private:
    friend class Table;
    Columns(ApplicationState* app, std::shared_ptr<TableData> table) : m_app(app), m_table(std::move(table)) {}

    ApplicationState* m_app;
    std::shared_ptr<TableData> m_table;
};

}  // namespace word
