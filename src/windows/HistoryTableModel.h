#pragma once

#include "setup/HistoryFile.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class cArgomenti;

// "Storico dei test": one row per finished test, newest first.
class HistoryTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Data, Sequenza, Argomento, Domande, Esatte, Errate, InBianco, Durata, Punteggio, Esito, ColumnCount };

    // `topics` names the topic of each test; `orderings` the ordering of each.
    HistoryTableModel(std::vector<HistoryEntry> oldestFirst, const cArgomenti& topics, const QStringList& orderings,
                      QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const HistoryEntry& Entry(int row) const { return m_entries[m_entries.size() - 1 - static_cast<size_t>(row)]; }

private:
    struct Row {
        QString cells[ColumnCount];
        bool passed = false;
    };
    Row Make(const HistoryEntry& entry) const;

    std::vector<HistoryEntry> m_entries;  // oldest first, as the file has them
    std::vector<Row> m_rows;              // newest first
    QStringList m_topicNames;             // by topic ID, from 1
    QStringList m_orderings;
};
