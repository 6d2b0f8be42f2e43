#include "windows/frmStatistiche.h"

#include "bank/BankFiles.h"
#include "bank/cDocumento.h"
#include "bank/ErrorText.h"

#include "setup/AnswerLog.h"
#include "setup/TopicChoice.h"

#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include "windows/frmModal.h"
#include "windows/StatisticsModel.h"

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
#include <exception>

namespace {

const QString kAttenzione = QStringLiteral("Attenzione!");

}  // namespace

frmStatistiche::frmStatistiche(QWidget* parent) : QDialog(parent), m_data(std::make_unique<StatisticsData>())
{
    setObjectName("frmStatistiche");
    setWindowTitle(QStringLiteral("Statistiche"));
    BuildControls();
    m_statsTopic = ModGlobal::Shared().TopicFilter;
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
    using Controls::Label;
    using Controls::Named;
    Label2 = Label(this, "Label2", QStringLiteral("Statistiche dell'argomento:"));
    cbArgomenti = Controls::Captioned(Label2, new QComboBox(this), "cbArgomenti");
    cbArgomenti->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Label1 = Label(this, "Label1",
                   QStringLiteral("Cliccare sulle intestazioni delle colonne per cambiare l'ordinamento delle righe. "));

    m_model = new StatisticsModel(this);
    lvDomande = Named(new QTableView(this), "lvDomande", QStringLiteral("Domande"));
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
    for (int c = 0; c < StatisticsModel::ColumnCount; ++c) {
        const bool number = m_model->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
        header->resizeSection(c, std::max(header->sectionSizeHint(c), number ? digits : 0));
    }
    header->setSectionResizeMode(StatisticsModel::Testo, QHeaderView::Stretch);

    Label4 = Label(this, "Label4", QStringLiteral("NB:"));
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label3 = Label(this, "Label3", QStringLiteral("La colonna \"E\" indica le domande a cui hai risposto almeno "
                                                  "una volta in maniera ERRATA."));

    cmdAzzera = Named(new QPushButton(QStringLiteral("Azzera statistiche"), this), "cmdAzzera");
    cmdAzzeraRispErrate = Named(new QPushButton(QStringLiteral("Azzera risp. errate"), this), "cmdAzzeraRispErrate");
    cmdChiudi = Named(new QPushButton(QStringLiteral("Chiudi"), this), "cmdChiudi");
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
    const QSignalBlocker filling(cbArgomenti);
    const TopicChoice choice = TopicChoice::Load(ModGlobal::Shared().CurrentDataFile, m_statsTopic);
    for (const auto& row : choice.rows) cbArgomenti->addItem(QtText::FromCp1252(row));
    cbArgomenti->setCurrentIndex(choice.selected);
    m_statsTopic = choice.selected;
}

void frmStatistiche::FitTopicColumn()
{
    QHeaderView* header = lvDomande->horizontalHeader();
    int counters = 0;
    for (int c = 0; c < StatisticsModel::ColumnCount; ++c)
        if (c != StatisticsModel::Argomento && c != StatisticsModel::Testo) counters += header->sectionSize(c);
    // The longest topic name, as far as the question text keeps three quarters
    // of the room the other columns leave.
    const int share = (lvDomande->viewport()->width() - counters) / 4;
    const int least = header->sectionSizeHint(StatisticsModel::Argomento);
    header->resizeSection(StatisticsModel::Argomento, std::min(m_topicWidth, std::max(share, least)));
}

bool frmStatistiche::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == lvDomande->viewport()) FitTopicColumn();
    return QDialog::eventFilter(watched, event);
}

void frmStatistiche::LoadStatistics()
{
    if (!m_data) m_data = std::make_unique<StatisticsData>();
    const BankFiles files = ModGlobal::Shared().CurrentFiles();
    m_data->Load(files.data, files.record, m_statsTopic);
    setWindowTitle(QtText::FromCp1252(m_data->Caption()));
    m_topicWidth = lvDomande->horizontalHeader()->sectionSizeHint(StatisticsModel::Argomento);
    for (const auto& topic : m_data->Document()->Argomenti())
        m_topicWidth =
            std::max(m_topicWidth, lvDomande->fontMetrics().horizontalAdvance(QtText::FromCp1252(topic->Nome)) + 16);
    FitTopicColumn();
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
                      QStringLiteral("Errore durante l'analisi delle statistiche: ") +
                          QtText::FromUtf8(ErrorText::Describe(e)),
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
    if (row < 0) return;
    m_statsTopic = row;
    Reload();
}

void frmStatistiche::Azzera()
{
    const QString text =
        QStringLiteral("Vuoi davvero azzerare tutte le statistiche di ") + cbArgomenti->currentText() + QStringLiteral("?");
    if (!Prompts::Confirm(kAttenzione, text, MessageIcon::Exclamation)) return;
    if (m_data) {
        const auto reset = m_data->ResetAll();
        if (reset) AnswerLog(ModGlobal::Shared().CurrentFiles().log).WriteReset(m_statsTopic);
        else Prompts::Tell(UnexpectedError("Errore inaspettato nell'azzeramento delle statistiche", reset.error().description));
    }
    Reload();
}

void frmStatistiche::AzzeraRispErrate()
{
    const QString text = QStringLiteral("Vuoi davvero azzerare l'elenco delle domande a cui hai risposto in maniera errata di ")
                         + cbArgomenti->currentText() + QStringLiteral("?");
    if (!Prompts::Confirm(kAttenzione, text, MessageIcon::Exclamation)) return;
    if (m_data)
        if (const auto reset = m_data->ResetWrong(); !reset)
            Prompts::Tell(UnexpectedError("Errore inaspettato nell'azzeramento delle statistiche", reset.error().description));
    Reload();
}
