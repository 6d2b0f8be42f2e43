#include "windows/frmStorico.h"

#include "bank/cDocumento.h"

#include "setup/PastTest.h"
#include "setup/TestMessages.h"

#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/Prompts.h"

#include "windows/HistoryTableModel.h"
#include "windows/StartRules.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kAttenzione = QStringLiteral("Attenzione!");

// Enter opens the review of the row, as a double click does.
class EnterOpens : public QObject {
public:
    EnterOpens(QObject* parent, std::function<void()> open) : QObject(parent), m_open(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_open();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_open;
};

}  // namespace

frmStorico::frmStorico(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStorico"));
    setWindowTitle(QStringLiteral("Storico dei test"));
    setModal(true);

    const auto& g = ModGlobal::Shared();
    const BankFiles files = g.CurrentFiles();
    auto history = HistoryFile::Read(files.history);
    m_damaged = history.damaged;
    cDocumento topics;
    topics.LoadArgomentiFromPath(files.data);
    m_model = new HistoryTableModel(std::move(history.entries), topics.Argomenti(), StartRules::Orderings(), this);

    lvStorico = Controls::Named(new QTableView(this), "lvStorico", QStringLiteral("Test svolti"));
    lvStorico->setModel(m_model);
    lvStorico->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvStorico->setSelectionMode(QAbstractItemView::SingleSelection);
    lvStorico->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvStorico->setAlternatingRowColors(true);
    lvStorico->verticalHeader()->hide();
    // Sized to the first rows rather than all: ten thousand tests open at once.
    lvStorico->horizontalHeader()->setResizeContentsPrecision(50);
    lvStorico->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvStorico->horizontalHeader()->setSectionResizeMode(HistoryTableModel::Argomento, QHeaderView::Stretch);
    lvStorico->installEventFilter(new EnterOpens(this, [this] { OpenReview(); }));

    cmdRevisione = Controls::Named(new QPushButton(QStringLiteral("Apri revisione"), this), "cmdRevisione");
    cmdRipeti = Controls::Named(new QPushButton(QStringLiteral("Ripeti le errate"), this), "cmdRipeti");
    cmdChiudi = Controls::Named(new QPushButton(QStringLiteral("Chiudi"), this), "cmdChiudi");
    for (QPushButton* b : {cmdRevisione, cmdRipeti, cmdChiudi}) b->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdRevisione);
    bottom->addWidget(cmdRipeti);
    bottom->addStretch();
    bottom->addWidget(cmdChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvStorico, 1);
    layout->addLayout(bottom);

    connect(lvStorico, &QTableView::doubleClicked, this, &frmStorico::OpenReview);
    connect(cmdRevisione, &QPushButton::clicked, this, &frmStorico::OpenReview);
    connect(cmdRipeti, &QPushButton::clicked, this, &frmStorico::RepeatWrong);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvStorico->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmStorico::UpdateButtons);

    QSize size(980, 560);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        size = size.boundedTo(s->availableGeometry().size() - QSize(40, 60));
    resize(size);
    if (m_model->rowCount() > 0) lvStorico->selectRow(0);
    UpdateButtons();
    lvStorico->setFocus();
}

std::optional<TestRequest> frmStorico::ShowModal(QWidget* parent)
{
    frmStorico window(parent);
    window.exec();
    return window.m_repeat;
}

void frmStorico::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_firstActivation) return;
    m_firstActivation = false;
    // Told once the window is on screen, over it.
    if (m_damaged > 0)
        QTimer::singleShot(0, this, [] {
            Prompts::Tell(kAttenzione,
                          QStringLiteral("Alcune voci dello storico sono danneggiate e non vengono mostrate."),
                          MessageIcon::Exclamation);
        });
}

void frmStorico::UpdateButtons()
{
    const bool chosen = lvStorico->currentIndex().isValid();
    cmdRevisione->setEnabled(chosen);
    cmdRipeti->setEnabled(chosen);
}

void frmStorico::OpenReview()
{
    const QModelIndex current = lvStorico->currentIndex();
    if (!current.isValid()) return;
    const HistoryEntry& entry = m_model->Entry(current.row());
    cDocumento bank;
    bank.LoadFromText(ModGlobal::Shared().CurrentFiles().data);
    const auto past = PastTest::Rebuild(entry, bank);
    if (past.missing)
        Prompts::Tell(kAttenzione,
                      QStringLiteral("Alcuni quesiti di questo test non sono più nella banca dati: la revisione "
                                     "mostra gli altri."),
                      MessageIcon::Exclamation);
    if (past.test->Count() > 0 && ModWindows::ShowReview) ModWindows::ShowReview(*past.test, entry);
}

void frmStorico::RepeatWrong()
{
    const QModelIndex current = lvStorico->currentIndex();
    if (!current.isValid()) return;
    const auto repeat = PastTest::RepeatWrong(m_model->Entry(current.row()), ModGlobal::Shared().Request());
    if (!repeat) {
        Prompts::Tell(kAttenzione, QStringLiteral("In questo test non ci sono risposte errate o in bianco."),
                      MessageIcon::Exclamation);
        return;
    }
    m_repeat = *repeat;
    accept();
}
