#include "quiz/ReviewTableModel.h"

#include <QColor>

ReviewTableModel::ReviewTableModel(std::vector<ReviewRow> rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(std::move(rows))
{
}

int ReviewTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReviewTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ReviewTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const ReviewRow& row = Row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Numero:
            return row.number;
        case Codice:
            return row.gazette;
        case RispostaData:
            return QString::fromStdString(row.given);
        case RispostaCorretta:
            return QString::fromStdString(row.correct);
        case Esito:
            return QString::fromStdString(ReviewOutcome(row));
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        if (index.column() != Esito) return {};
        if (row.outcome == ReviewRow::Outcome::Blank) return QColor(96, 96, 96);
        return row.outcome == ReviewRow::Outcome::Right ? QColor(0, 128, 0) : QColor(192, 0, 0);
        return {};
    default:
        return {};
    }
}

QVariant ReviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[ColumnCount] = {"N.", "Codice", "Risposta data", "Risposta corretta", "Esito"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}
