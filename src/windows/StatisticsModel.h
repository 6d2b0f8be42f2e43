#pragma once

#include "setup/StatisticsRows.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

// The statistics window's rows as shown, sorted on the text of one column as
// a list view sorts: number cells are padded to six characters, so text order
// is value order. Equal cells keep list order both ways.
class StatisticsModel : public QAbstractTableModel {
public:
    enum Column { Codice, Argomento, Testo, NVis, NOK, NErr, E, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // New rows, sorted by the current sort column.
    void SetRows(const std::vector<StatisticsRow>& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Titles, alignment, and the direction of a column's first sort.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    // Rows by the text of a column, ignoring case, equal cells in list order.
    struct Sorted {
        std::vector<int> rows;
        std::vector<bool> groupStart;  // this row's cell differs from the one before
    };

    void Order();
    const Sorted& Ascending(size_t column);
    template <qsizetype Prefix>
    void SortRows(size_t column, Sorted& sorted) const;

    std::vector<std::array<QString, ColumnCount>> m_cells;
    std::vector<int> m_order;
    // Kept per column until the rows change.
    std::array<Sorted, ColumnCount> m_ascending;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
