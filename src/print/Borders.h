#pragma once

#include "print/Border.h"

namespace word {

class Borders {
public:
    // -1 to -8 (see Border).
    Border operator()(int32_t index);
    void SetShadow(bool value);

private:
    friend class Table;
    Borders(ApplicationState* app, std::shared_ptr<TableData> table) : m_app(app), m_table(std::move(table)) {}

    ApplicationState* m_app;
    std::shared_ptr<TableData> m_table;
};

}  // namespace word
