#pragma once

#include "print/Row.h"

namespace word {

class Rows {
public:
    int32_t Count() const { return static_cast<int32_t>(m_table->rows.size()); }
    // From 1 to Count.
    Row operator()(int32_t index);
    void SetAllowBreakAcrossPages(bool value);

private:
    friend class Table;
    Rows(ApplicationState* app, std::shared_ptr<TableData> table) : m_app(app), m_table(std::move(table)) {}

    ApplicationState* m_app;
    std::shared_ptr<TableData> m_table;
};

}  // namespace word
