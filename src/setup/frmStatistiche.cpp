#include "setup/frmStatistiche.h"

#include "bank/cDocumento.h"
#include "bank/ErrorText.h"

#include "setup/frmModal.h"
#include "setup/ModGlobal.h"
#include "setup/TestSettings.h"

#include "ui/Prompts.h"
#include "ui/QtText.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <exception>
#include <numeric>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kColumns = 7;
constexpr int kArgomento = 1;
constexpr int kTesto = 2;

struct Column {
    const char* title;
    // First-click direction: "a" ascending; "d" or empty descending.
    const char* tag;
    // Number cells are right-aligned.
    Qt::Alignment alignment;
};

const std::array<Column, kColumns> kColumnTable = {{
    {"Codice", "a", Qt::AlignRight | Qt::AlignVCenter},
    {"Argomento", "a", Qt::AlignLeft | Qt::AlignVCenter},
    {"Testo", "a", Qt::AlignLeft | Qt::AlignVCenter},
    {"N.Vis", "d", Qt::AlignRight | Qt::AlignVCenter},
    {"N.OK", "d", Qt::AlignRight | Qt::AlignVCenter},
    {"N.Err", "d", Qt::AlignRight | Qt::AlignVCenter},
    {"E", "", Qt::AlignCenter},
}};

const QString kAttenzione = QStringLiteral("Attenzione!");

}  // namespace

// The rows as shown, sorted on the text of one column like a list view: the
// number cells are padded to six characters, so text order is value order.
class StatisticsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(const std::vector<StatisticsRow>& rows)
    {
        beginResetModel();
        m_cells.clear();
        m_cells.reserve(rows.size());
        // Topics, counters and marks repeat from row to row: rows share one
        // string per distinct value instead of allocating their own.
        std::array<std::unordered_map<std::string, QString>, kColumns> shared;
        for (const auto& row : rows) {
            std::array<QString, kColumns> cells;
            for (int c = 0; c < kColumns; ++c) {
                const auto k = static_cast<size_t>(c);
                const std::string& cell = row.cells[k];
                if (c == 0) {
                    cells[k] = QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size()));  // digits
                } else if (c == kTesto) {
                    cells[k] = QtText::FromCp1252(cell);
                } else {
                    auto it = shared[k].find(cell);
                    if (it == shared[k].end()) it = shared[k].emplace(cell, QtText::FromCp1252(cell)).first;
                    cells[k] = it->second;
                }
            }
            m_cells.push_back(std::move(cells));
        }
        for (auto& sorted : m_ascending) sorted = {};
        Order();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_order.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumns; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) return {};
        const auto& cells = m_cells[static_cast<size_t>(m_order[static_cast<size_t>(index.row())])];
        switch (role) {
        case Qt::DisplayRole:
            return cells[static_cast<size_t>(index.column())];
        case Qt::ToolTipRole:
            // Text and topic may be cut to fit the list; the tooltip has all of it.
            if (index.column() == kTesto || index.column() == kArgomento)
                return cells[static_cast<size_t>(index.column())];
            return {};
        case Qt::TextAlignmentRole:
            return static_cast<int>(kColumnTable[static_cast<size_t>(index.column())].alignment);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
        const Column& column = kColumnTable[static_cast<size_t>(section)];
        if (role == Qt::DisplayRole) return QString::fromLatin1(column.title);
        if (role == Qt::TextAlignmentRole) return static_cast<int>(column.alignment);
        if (role == Qt::InitialSortOrderRole)
            return static_cast<int>(std::string_view(column.tag).find('a') != std::string_view::npos
                                        ? Qt::AscendingOrder
                                        : Qt::DescendingOrder);
        return {};
    }

    void sort(int column, Qt::SortOrder order) override
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

private:
    // Rows in list order, or sorted by the current column. Equal cells keep
    // list order both ways; descending walks the ascending groups backwards,
    // so a second click on a column costs no sort.
    void Order()
    {
        m_order.resize(m_cells.size());
        if (m_sortColumn < 0 || m_sortColumn >= kColumns) {
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

    // Rows by the text of a column, ignoring case, equal cells in list order;
    // kept per column until the rows change.
    struct Sorted {
        std::vector<int> rows;
        std::vector<bool> groupStart;  // this row's cell differs from the one before
    };

    const Sorted& Ascending(size_t c)
    {
        Sorted& sorted = m_ascending[c];
        if (sorted.rows.size() == m_cells.size()) return sorted;
        qsizetype longest = 0;
        for (const auto& cells : m_cells) longest = std::max(longest, cells[c].size());
        // Number cells are six characters: a small key keeps their sort in the cache.
        if (longest <= 8)
            SortRows<8>(c, sorted);
        else
            SortRows<64>(c, sorted);
        return sorted;
    }

    template <qsizetype Prefix>
    void SortRows(size_t c, Sorted& sorted) const
    {
        // The first characters of each cell, folded, sit inline in the key: most
        // comparisons then touch neither the heap nor the case tables.
        struct Key {
            std::array<char16_t, Prefix> prefix;
            int row;
        };
        std::vector<Key> keys(m_cells.size());
        for (size_t i = 0; i < m_cells.size(); ++i) {
            const QString& text = m_cells[i][c];
            Key& key = keys[i];
            key.row = static_cast<int>(i);
            key.prefix.fill(0);
            const qsizetype n = std::min(Prefix, text.size());
            for (qsizetype k = 0; k < n; ++k) key.prefix[static_cast<size_t>(k)] = text[k].toCaseFolded().unicode();
        }
        const auto less = [this, c](const Key& a, const Key& b) {
            const int order = std::char_traits<char16_t>::compare(a.prefix.data(), b.prefix.data(), Prefix);
            if (order != 0) return order < 0;
            const QString& x = m_cells[static_cast<size_t>(a.row)][c];
            const QString& y = m_cells[static_cast<size_t>(b.row)][c];
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

    std::vector<std::array<QString, kColumns>> m_cells;
    std::vector<int> m_order;
    std::array<Sorted, kColumns> m_ascending;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

frmStatistiche::frmStatistiche(QWidget* parent) : QDialog(parent), m_data(std::make_unique<StatisticsData>())
{
    setObjectName("frmStatistiche");
    setWindowTitle(QStringLiteral("Statistiche"));
    BuildControls();
    m_firstActivation = true;
    m_statsTopic = ModGlobal::TopicFilter;
    m_fillingCombo = false;
    FillTopicCombo();
}

frmStatistiche::~frmStatistiche() = default;

void frmStatistiche::ShowModal(QWidget* parent)
{
    frmStatistiche window(parent);
    window.exec();
}

void frmStatistiche::BuildControls()
{
    Label2 = new QLabel(QStringLiteral("Statistiche dell'argomento:"), this);
    Label2->setObjectName("Label2");
    cbArgomenti = new QComboBox(this);
    cbArgomenti->setObjectName("cbArgomenti");
    cbArgomenti->setAccessibleName(QStringLiteral("Statistiche dell'argomento"));
    cbArgomenti->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Label2->setBuddy(cbArgomenti);

    Label1 = new QLabel(
        QStringLiteral("Cliccare sulle intestazioni delle colonne per cambiare l'ordinamento delle righe. "), this);
    Label1->setObjectName("Label1");

    m_model = new StatisticsModel(this);
    lvDomande = new QTableView(this);
    lvDomande->setObjectName("lvDomande");
    lvDomande->setAccessibleName(QStringLiteral("Domande"));
    lvDomande->setModel(m_model);
    lvDomande->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDomande->setSelectionMode(QAbstractItemView::SingleSelection);
    lvDomande->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvDomande->setShowGrid(false);
    lvDomande->setWordWrap(false);
    lvDomande->setTextElideMode(Qt::ElideRight);
    lvDomande->setAlternatingRowColors(true);
    lvDomande->setCornerButtonEnabled(false);
    // One line per row, all the same height: a large bank scrolls without measuring rows.
    QHeaderView* rows = lvDomande->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = lvDomande->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(24);
    // Unsorted until a column is clicked: the list keeps the bank's order.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    lvDomande->setSortingEnabled(true);
    lvDomande->viewport()->installEventFilter(this);
    // Every title keeps room for the sort arrow, number columns for six digits;
    // the topic column is fitted to the bank's topics, the text takes the rest.
    const int digits = lvDomande->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
    for (int c = 0; c < kColumns; ++c) {
        const bool number = kColumnTable[static_cast<size_t>(c)].alignment & Qt::AlignRight;
        header->resizeSection(c, std::max(header->sectionSizeHint(c), number ? digits : 0));
    }
    header->setSectionResizeMode(kTesto, QHeaderView::Stretch);

    Label4 = new QLabel(QStringLiteral("NB:"), this);
    Label4->setObjectName("Label4");
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label3 = new QLabel(
        QStringLiteral("La colonna \"E\" indica le domande a cui hai risposto almeno una volta in maniera ERRATA."), this);
    Label3->setObjectName("Label3");

    cmdAzzera = new QPushButton(QStringLiteral("Azzera statistiche"), this);
    cmdAzzera->setObjectName("cmdAzzera");
    cmdAzzeraRispErrate = new QPushButton(QStringLiteral("Azzera risp. errate"), this);
    cmdAzzeraRispErrate->setObjectName("cmdAzzeraRispErrate");
    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName("cmdChiudi");
    for (QPushButton* b : {cmdAzzera, cmdAzzeraRispErrate, cmdChiudi}) b->setAutoDefault(false);

    connect(cbArgomenti, &QComboBox::currentIndexChanged, this, &frmStatistiche::TopicChanged);
    connect(cmdAzzera, &QPushButton::clicked, this, &frmStatistiche::Azzera);
    connect(cmdAzzeraRispErrate, &QPushButton::clicked, this, &frmStatistiche::AzzeraRispErrate);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(Label2);
    topRow->addWidget(cbArgomenti);
    topRow->addStretch();
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(Label4);
    noteRow->addWidget(Label3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAzzera);
    buttons->addWidget(cmdAzzeraRispErrate);
    buttons->addStretch();
    buttons->addWidget(cmdChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(Label1);
    layout->addWidget(lvDomande, 1);
    layout->addLayout(noteRow);
    layout->addLayout(buttons);

    setTabOrder(cbArgomenti, lvDomande);
    setTabOrder(lvDomande, cmdAzzera);
    setTabOrder(cmdAzzera, cmdAzzeraRispErrate);
    setTabOrder(cmdAzzeraRispErrate, cmdChiudi);

    QSize size(1180, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

void frmStatistiche::FillTopicCombo()
{
    m_fillingCombo = true;
    cbArgomenti->clear();
    cDocumento topics;
    topics.LoadArgomentiFromText(ModGlobal::CurrentDataFile);
    cbArgomenti->addItem(QStringLiteral("TUTTI GLI ARGOMENTI"));
    cbArgomenti->setCurrentIndex(0);
    m_topicWidth = lvDomande->horizontalHeader()->sectionSizeHint(kArgomento);
    for (const auto& topic : topics.Argomenti())
        m_topicWidth =
            std::max(m_topicWidth, lvDomande->fontMetrics().horizontalAdvance(QtText::FromCp1252(topic->Nome)) + 16);
    FitTopicColumn();

    bool offered = false;
    if (topics.Argomenti().Count() >= 2) {
        for (const auto& topic : topics.Argomenti()) {
            cbArgomenti->addItem(QtText::FromCp1252(topic->Nome));
            if (topic->ID == m_statsTopic) {
                cbArgomenti->setCurrentIndex(cbArgomenti->count() - 1);
                offered = true;
            }
        }
    }
    // The list follows the combo: a topic it does not offer (a single-topic
    // bank, a number past the last topic) lists the whole bank.
    if (!offered) m_statsTopic = 0;
    m_fillingCombo = false;
}

void frmStatistiche::FitTopicColumn()
{
    QHeaderView* header = lvDomande->horizontalHeader();
    int counters = 0;
    for (int c = 0; c < kColumns; ++c)
        if (c != kArgomento && c != kTesto) counters += header->sectionSize(c);
    // The longest topic name, as far as the question text keeps three quarters
    // of the room the other columns leave.
    const int share = (lvDomande->viewport()->width() - counters) / 4;
    header->resizeSection(kArgomento, std::min(m_topicWidth, std::max(share, header->sectionSizeHint(kArgomento))));
}

bool frmStatistiche::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == lvDomande->viewport()) FitTopicColumn();
    return QDialog::eventFilter(watched, event);
}

void frmStatistiche::LoadStatistics()
{
    if (!m_data) m_data = std::make_unique<StatisticsData>();
    m_data->Load(ModGlobal::CurrentDataPath(), ModGlobal::CurrentRecordPath(), m_statsTopic);
    setWindowTitle(QtText::FromCp1252(m_data->Caption()));
    // The model keeps the sort column and re-sorts the new rows by it.
    lvDomande->setUpdatesEnabled(false);
    m_model->SetRows(m_data->Rows());
    lvDomande->setUpdatesEnabled(true);
}

void frmStatistiche::Reload()
{
    try {
        RunModal(*this, this);
    } catch (const std::exception& e) {
        Prompts::Tell(QStringLiteral("Tessarondequiz"),
                      QStringLiteral("Errore durante l'analisi delle statistiche: ") + QtText::FromUtf8(ErrorText::Describe(e)),
                      MessageIcon::Critical);
    }
}

void frmStatistiche::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_firstActivation) return;
    m_firstActivation = false;
    // Once the window is on screen, so the progress window sits over it.
    QTimer::singleShot(0, this, &frmStatistiche::Reload);
}

void frmStatistiche::done(int result)
{
    // Closing releases the statistics file and the bank.
    m_data.reset();
    QDialog::done(result);
}

void frmStatistiche::TopicChanged(int row)
{
    if (m_fillingCombo || row < 0) return;
    m_statsTopic = row;
    Reload();
}

void frmStatistiche::Azzera()
{
    const QString text =
        QStringLiteral("Vuoi davvero azzerare tutte le statistiche di ") + cbArgomenti->currentText() + QStringLiteral("?");
    if (!Prompts::Confirm(kAttenzione, text, MessageIcon::Exclamation)) return;
    if (m_data) m_data->ResetAll();
    Reload();
}

void frmStatistiche::AzzeraRispErrate()
{
    const QString text = QStringLiteral("Vuoi davvero azzerare l'elenco delle domande a cui hai risposto in maniera errata di ")
                         + cbArgomenti->currentText() + QStringLiteral("?");
    if (!Prompts::Confirm(kAttenzione, text, MessageIcon::Exclamation)) return;
    if (m_data) m_data->ResetWrong();
    Reload();
}
