#include "windows/HistoryTableModel.h"

#include "bank/cArgomenti.h"

#include "setup/TestResult.h"

#include "ui/QtText.h"

#include <QColor>

HistoryTableModel::HistoryTableModel(std::vector<HistoryEntry> oldestFirst, const cArgomenti& topics,
                                     const QStringList& orderings, QObject* parent)
    : QAbstractTableModel(parent), m_entries(std::move(oldestFirst)), m_orderings(orderings)
{
    for (const auto& topic : topics) m_topicNames << QtText::FromCp1252(topic->Nome);
    m_rows.reserve(m_entries.size());
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) m_rows.push_back(Make(*it));
}

HistoryTableModel::Row HistoryTableModel::Make(const HistoryEntry& e) const
{
    const TestScore score = e.Score();
    const TestRequest& r = e.Request;
    Row row;
    // Day and time to the minute.
    row.cells[Data] = QtText::FromCp1252(e.Ended.substr(0, 16));
    row.cells[Sequenza] = e.Repeat ? QStringLiteral("Ripeti le errate")
                          : r.OrderMode >= 0 && r.OrderMode < m_orderings.size() ? m_orderings[r.OrderMode]
                                                                                  : QString();
    if (e.Exam() || r.TopicFilter < 1)
        row.cells[Argomento] = QStringLiteral("Tutti gli argomenti");
    else
        row.cells[Argomento] = r.TopicFilter <= m_topicNames.size() ? m_topicNames[r.TopicFilter - 1]
                                                                    : QStringLiteral("Argomento %1").arg(r.TopicFilter);
    row.cells[Domande] = QString::number(e.Items.size());
    row.cells[Esatte] = QString::number(score.right);
    row.cells[Errate] = QString::number(score.wrong);
    row.cells[InBianco] = QString::number(score.blank);
    row.cells[Durata] = QString::fromStdString(TestResult::Duration(e.DurationSeconds()));
    row.cells[Punteggio] = QString::fromStdString(Scoring::Decimal(score.thirtieths));
    if (e.Exam()) row.cells[Esito] = QString::fromLatin1(score.Verdict());
    row.passed = score.passed;
    return row;
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.cells[index.column()];
    case Qt::TextAlignmentRole:
        if (index.column() >= Domande && index.column() <= Punteggio)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::ForegroundRole:
        if (index.column() == Esito && !row.cells[Esito].isEmpty())
            return row.passed ? QColor(0, 128, 0) : QColor(192, 0, 0);
        return {};
    default:
        return {};
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[ColumnCount] = {"Data",     "Sequenza", "Argomento", "Domande",   "Esatte",
                                                    "Errate",   "In bianco", "Durata",   "Punteggio", "Esito"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}
