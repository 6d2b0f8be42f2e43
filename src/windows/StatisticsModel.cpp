#include "windows/StatisticsModel.h"

#include "ui/QtText.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

struct ColumnInfo {
    const char* title;
    // First-click direction: "a" ascending; "d" or empty descending.
    const char* tag;
    // Number cells are right-aligned.
    Qt::Alignment alignment;
};

constexpr std::array<ColumnInfo, StatisticsModel::ColumnCount> kColumns = {{
    {"Codice", "a", Qt::AlignRight | Qt::AlignVCenter},
    {"Argomento", "a", Qt::AlignLeft | Qt::AlignVCenter},
    {"Testo", "a", Qt::AlignLeft | Qt::AlignVCenter},
    {"N.Vis", "d", Qt::AlignRight | Qt::AlignVCenter},
    {"N.OK", "d", Qt::AlignRight | Qt::AlignVCenter},
    {"N.Err", "d", Qt::AlignRight | Qt::AlignVCenter},
    {"E", "", Qt::AlignCenter},
}};

}  // namespace

void StatisticsModel::SetRows(const std::vector<StatisticsRow>& rows)
{
    beginResetModel();
    m_cells.clear();
    m_cells.reserve(rows.size());
    // Topics, counters and marks repeat from row to row: rows share one
    // string per distinct value instead of allocating their own.
    std::array<std::unordered_map<std::string, QString>, ColumnCount> shared;
    for (const auto& row : rows) {
        std::array<QString, ColumnCount> cells;
        for (size_t c = 0; c < ColumnCount; ++c) {
            const std::string& cell = row.cells[c];
            if (c == Codice) {
                cells[c] = QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size()));  // digits
            } else if (c == Testo) {
                cells[c] = QtText::FromCp1252(cell);
            } else {
                auto it = shared[c].find(cell);
                if (it == shared[c].end()) it = shared[c].emplace(cell, QtText::FromCp1252(cell)).first;
                cells[c] = it->second;
            }
        }
        m_cells.push_back(std::move(cells));
    }
    for (auto& sorted : m_ascending) sorted = {};
    Order();
    endResetModel();
}

int StatisticsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int StatisticsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant StatisticsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const auto column = static_cast<size_t>(index.column());
    const auto& cells = m_cells[static_cast<size_t>(m_order[static_cast<size_t>(index.row())])];
    switch (role) {
    case Qt::DisplayRole:
        return cells[column];
    case Qt::ToolTipRole:
        // Text and topic may be cut to fit the list; the tooltip has all of it.
        if (column == Testo || column == Argomento) return cells[column];
        return {};
    case Qt::TextAlignmentRole:
        return static_cast<int>(kColumns[column].alignment);
    default:
        return {};
    }
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    const ColumnInfo& column = kColumns[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromLatin1(column.title);
    if (role == Qt::TextAlignmentRole) return static_cast<int>(column.alignment);
    if (role == Qt::InitialSortOrderRole)
        return static_cast<int>(std::string_view(column.tag).find('a') != std::string_view::npos ? Qt::AscendingOrder
                                                                                                 : Qt::DescendingOrder);
    return {};
}

void StatisticsModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> rowsBefore;
    rowsBefore.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& index : before) rowsBefore.push_back(m_order[static_cast<size_t>(index.row())]);

    m_sortColumn = column;
    m_sortOrder = order;
    Order();

    std::vector<int> position(m_order.size());
    for (size_t i = 0; i < m_order.size(); ++i) position[static_cast<size_t>(m_order[i])] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k)
        after.push_back(index(position[static_cast<size_t>(rowsBefore[static_cast<size_t>(k)])], before[k].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Rows in list order, or sorted by the current column. Descending walks the
// ascending groups backwards, so a second click on a column costs no sort.
void StatisticsModel::Order()
{
    m_order.resize(m_cells.size());
    if (m_sortColumn < 0 || m_sortColumn >= ColumnCount) {
        std::iota(m_order.begin(), m_order.end(), 0);
        return;
    }
    const Sorted& sorted = Ascending(static_cast<size_t>(m_sortColumn));
    if (m_sortOrder == Qt::AscendingOrder) {
        m_order = sorted.rows;
        return;
    }
    auto out = m_order.begin();
    for (size_t end = sorted.rows.size(); end > 0;) {
        size_t start = end - 1;
        while (!sorted.groupStart[start]) --start;
        out = std::copy(sorted.rows.begin() + static_cast<std::ptrdiff_t>(start),
                        sorted.rows.begin() + static_cast<std::ptrdiff_t>(end), out);
        end = start;
    }
}

const StatisticsModel::Sorted& StatisticsModel::Ascending(size_t column)
{
    Sorted& sorted = m_ascending[column];
    if (sorted.rows.size() == m_cells.size()) return sorted;
    qsizetype longest = 0;
    for (const auto& cells : m_cells) longest = std::max(longest, cells[column].size());
    // Number cells are six characters: a small key keeps their sort in the cache.
    if (longest <= 8)
        SortRows<8>(column, sorted);
    else
        SortRows<64>(column, sorted);
    return sorted;
}

template <qsizetype Prefix>
void StatisticsModel::SortRows(size_t column, Sorted& sorted) const
{
    // The first characters of each cell, folded, sit inline in the key: most
    // comparisons then touch neither the heap nor the case tables.
    struct Key {
        std::array<char16_t, Prefix> prefix;
        int row;
    };
    std::vector<Key> keys(m_cells.size());
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const QString& text = m_cells[i][column];
        Key& key = keys[i];
        key.row = static_cast<int>(i);
        key.prefix.fill(0);
        const qsizetype n = std::min(Prefix, text.size());
        for (qsizetype k = 0; k < n; ++k) key.prefix[static_cast<size_t>(k)] = text[k].toCaseFolded().unicode();
    }
    const auto less = [this, column](const Key& a, const Key& b) {
        const int order = std::char_traits<char16_t>::compare(a.prefix.data(), b.prefix.data(), Prefix);
        if (order != 0) return order < 0;
        const QString& x = m_cells[static_cast<size_t>(a.row)][column];
        const QString& y = m_cells[static_cast<size_t>(b.row)][column];
        if (x.size() <= Prefix && y.size() <= Prefix) return false;
        return QString::compare(x, y, Qt::CaseInsensitive) < 0;
    };
    std::stable_sort(keys.begin(), keys.end(), less);
    sorted.rows.resize(keys.size());
    sorted.groupStart.resize(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        sorted.rows[i] = keys[i].row;
        sorted.groupStart[i] = i == 0 || less(keys[i - 1], keys[i]);
    }
}
