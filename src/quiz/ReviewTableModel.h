#pragma once

#include "quiz/ReviewRows.h"

#include <QAbstractTableModel>

#include <vector>

// The review of a finished test as a table: "N.", "Codice", "Risposta data",
// "Risposta corretta", "Esito".
class ReviewTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Numero, Codice, RispostaData, RispostaCorretta, Esito, ColumnCount };

    explicit ReviewTableModel(std::vector<ReviewRow> rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const ReviewRow& Row(int row) const { return m_rows.at(static_cast<size_t>(row)); }

private:
    std::vector<ReviewRow> m_rows;
};
