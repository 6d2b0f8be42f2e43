#include "print/TableAutoFit.h"

#include "print/TextMetrics.h"

#include <algorithm>
#include <numeric>

namespace word::TableAutoFit {

namespace {

// Widths for columns whose longest words do not all fit: the columns narrower
// than a common width keep their longest word (a number never breaks, nor an
// ordinary word beside a long address), and the rest share what is left alike.
std::vector<double> KeepNarrowWords(const std::vector<double>& least, double available)
{
    std::vector<size_t> order(least.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return least[a] < least[b]; });
    std::vector<double> widths(least.size());
    double left = available;
    for (size_t k = 0; k < order.size(); ++k) {
        const double share = left / static_cast<double>(order.size() - k);
        if (least[order[k]] > share) {
            for (size_t rest = k; rest < order.size(); ++rest) widths[order[rest]] = share;
            break;
        }
        widths[order[k]] = least[order[k]];
        left -= least[order[k]];
    }
    return widths;
}

}  // namespace

std::vector<double> FitToContents(const DocumentData& document, const TableData& table, double available)
{
    const size_t columns = table.ColumnCount();
    // A word that fits to the point wraps in a word processor that rounds or
    // counts the border in the cell: a little room more per column.
    constexpr double Slack = 2.0;
    const double padding = table.leftPadding + table.rightPadding + Slack;
    const StyleData& normal = *document.styles.front();
    std::vector<double> least(columns, padding), most(columns, padding);
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < columns && c < row.size(); ++c) {
            const ParagraphData& cell = row[c];
            const StyleData& style = document.StyleOf(cell);
            const double size = style.font.size.value_or(normal.font.size.value_or(10));
            const bool bold = style.font.bold.value_or(normal.font.bold.value_or(false));
            const TextMetrics::Extent extent = TextMetrics::Measure(cell.text, size, bold);
            most[c] = std::max(most[c], extent.width + padding);
            least[c] = std::max(least[c], extent.longestWord + padding);
        }
    }
    const double sumMost = std::accumulate(most.begin(), most.end(), 0.0);
    if (sumMost <= available) return most;
    const double sumLeast = std::accumulate(least.begin(), least.end(), 0.0);
    if (sumLeast >= available) return KeepNarrowWords(least, available);
    const double share = (available - sumLeast) / (sumMost - sumLeast);
    std::vector<double> widths(columns);
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
