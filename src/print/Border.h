#pragma once

#include "print/DocumentData.h"

namespace word {

// One border of a table, by the automation's index: -1 top, -2 left, -3 bottom,
// -4 right, -5 inside horizontal, -6 inside vertical, -7 diagonal down, -8 diagonal up.
class Border {
public:
    // 0 none, 1 single, 2 dotted, 3 dashed with small gaps, 4 dashed, 5 dot-dash, 6 dot-dot-dash, 7 double.
    void SetLineStyle(int32_t value);
    // Eighths of a point: 2, 4, 6, 8, 12, 18, 24, 36 or 48.
    void SetLineWidth(int32_t value);
    // 0xBBGGRR, or -16777216 for automatic.
    void SetColor(int32_t value);

private:
    friend class Borders;
    Border(ApplicationState* app, std::shared_ptr<TableData> table, int32_t index)
        : m_app(app), m_table(std::move(table)), m_index(index)
    {
    }
    BorderData& Data() const { return m_table->borders[static_cast<size_t>(-m_index - 1)]; }
    std::string Owner() const { return "Table.Borders(" + std::to_string(m_index) + ")."; }

    ApplicationState* m_app;
    std::shared_ptr<TableData> m_table;
    int32_t m_index;
};

}  // namespace word
