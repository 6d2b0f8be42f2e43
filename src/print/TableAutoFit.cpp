#include "TableAutoFit.h"

#include "TextMetrics.h"

#include <algorithm>
#include <numeric>

namespace word::TableAutoFit {

std::vector<double> FitToContents(const DocumentData& document, const TableData& table, double available)
{
    const size_t columns = table.ColumnCount();
    // A word that fits to the point wraps in a word processor that rounds or
    // counts the border in the cell: a little room more per column.
    constexpr double Slack = 2.0;
    const double padding = table.leftPadding + table.rightPadding + Slack;
    std::vector<double> least(columns, padding), most(columns, padding);
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < columns && c < row.size(); ++c) {
            const ParagraphData& cell = row[c];
            const StyleData& style = document.StyleOf(cell);
            const StyleData& normal = *document.styles.front();
            const double size = style.font.size.value_or(normal.font.size.value_or(10));
            const bool bold = style.font.bold.value_or(normal.font.bold.value_or(false));
            most[c] = std::max(most[c], TextMetrics::Width(cell.text, size, bold) + padding);
            least[c] = std::max(least[c], TextMetrics::LongestWord(cell.text, size, bold) + padding);
        }
    }
    const double sumMost = std::accumulate(most.begin(), most.end(), 0.0);
    if (sumMost <= available) return most;
    const double sumLeast = std::accumulate(least.begin(), least.end(), 0.0);
    std::vector<double> widths(columns);
    if (sumLeast >= available) {
        // Not even the longest words fit: squeeze them alike.
        for (size_t c = 0; c < columns; ++c) widths[c] = least[c] * available / sumLeast;
        return widths;
    }
    const double share = (available - sumLeast) / (sumMost - sumLeast);
    for (size_t c = 0; c < columns; ++c) widths[c] = least[c] + (most[c] - least[c]) * share;
    return widths;
}

std::vector<double> FitToWidth(const TableData& table, double available)
{
    std::vector<double> widths = table.columnWidths;
    const double sum = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (sum <= 0) return widths;
    for (double& w : widths) w = w * available / sum;
    return widths;
}

}  // namespace word::TableAutoFit
