#include "windows/frmAndamento.h"

#include "bank/ErrorText.h"
#include "bank/ReplaceFile.h"

#include "setup/BuildConstants.h"
#include "setup/Clock.h"
#include "setup/HistoryFile.h"
#include "setup/Scoring.h"
#include "setup/TopicChoice.h"

#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include "windows/frmModal.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageWriter>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <array>
#include <exception>

namespace {

const std::array<QString, 6> kColumnTitles = {
    QStringLiteral("Argomento"), QStringLiteral("Quesiti"), QStringLiteral("Mai visti"),
    QStringLiteral("Esatte all'ultima risposta"), QStringLiteral("Da ripassare"),
    QStringLiteral("Probabilità media di risposta esatta"),
};

// Rows the table shows before it scrolls.
constexpr int kVisibleRows = 8;

const QString kLineName = QStringLiteral("% esatte");

}  // namespace

frmAndamento::frmAndamento(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAndamento");
    setWindowTitle(QStringLiteral("Andamento della preparazione"));
    BuildControls();
    m_topic = ModGlobal::Shared().TopicFilter;
    FillTopicCombo();
}

frmAndamento::~frmAndamento() = default;

void frmAndamento::ShowModal(QWidget* parent)
{
    frmAndamento window(parent);
    window.exec();
}

void frmAndamento::BuildControls()
{
    using Controls::Label;
    using Controls::Named;
    lbArgomento = Label(this, "lbArgomento", QStringLiteral("Argomento:"));
    cbArgomenti = Controls::Captioned(lbArgomento, new QComboBox(this), "cbArgomenti");
    cbArgomenti->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    lbRiepilogo = Label(this, "lbRiepilogo");
    QFont bold = lbRiepilogo->font();
    bold.setBold(true);
    lbRiepilogo->setFont(bold);
    lbPrevisione = Label(this, "lbPrevisione");
    lbPrevisione->setFont(bold);

    picGrafico = BuildChart();

    m_table = new QStandardItemModel(0, static_cast<int>(kColumnTitles.size()), this);
    lvArgomenti = Named(new QTableView(this), "lvArgomenti", QStringLiteral("Quesiti per argomento"));
    lvArgomenti->setModel(m_table);
    lvArgomenti->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvArgomenti->setSelectionMode(QAbstractItemView::SingleSelection);
    lvArgomenti->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvArgomenti->setShowGrid(false);
    lvArgomenti->setWordWrap(false);
    lvArgomenti->setAlternatingRowColors(true);
    lvArgomenti->setCornerButtonEnabled(false);
    QHeaderView* rows = lvArgomenti->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = lvArgomenti->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 0; c < static_cast<int>(kColumnTitles.size()); ++c) {
        const QString& text = kColumnTitles[static_cast<size_t>(c)];
        auto* title = new QStandardItem(text);
        title->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        m_table->setHorizontalHeaderItem(c, title);
        // Number columns: their title with some air, never narrower than a five-digit count.
        if (c > 0)
            header->resizeSection(c, std::max(header->fontMetrics().horizontalAdvance(text),
                                              header->fontMetrics().horizontalAdvance(QStringLiteral("00000"))) + 32);
    }

    cmdSalvaImmagine = Named(new QPushButton(QStringLiteral("Salva immagine..."), this), "cmdSalvaImmagine");
    cmdChiudi = Named(new QPushButton(QStringLiteral("Chiudi"), this), "cmdChiudi");
    for (QPushButton* b : {cmdSalvaImmagine, cmdChiudi}) b->setAutoDefault(false);

    connect(cbArgomenti, &QComboBox::currentIndexChanged, this, &frmAndamento::TopicChanged);
    connect(cmdSalvaImmagine, &QPushButton::clicked, this, &frmAndamento::SalvaImmagine);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(lbArgomento);
    topRow->addWidget(cbArgomenti);
    topRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSalvaImmagine);
    buttons->addStretch();
    buttons->addWidget(cmdChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(lbRiepilogo);
    layout->addWidget(lbPrevisione);
    layout->addWidget(picGrafico, 1);
    layout->addWidget(lvArgomenti);
    layout->addLayout(buttons);

    setTabOrder(cbArgomenti, lvArgomenti);
    setTabOrder(lvArgomenti, cmdSalvaImmagine);
    setTabOrder(cmdSalvaImmagine, cmdChiudi);

    QSize size(980, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

QChartView* frmAndamento::BuildChart()
{
    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);

    m_axisGiorni = new QBarCategoryAxis;
    m_axisGiorni->setLabelsAngle(-90);
    m_axisGiorni->setGridLineVisible(false);
    m_axisRisposte = new QValueAxis;
    m_axisRisposte->setTitleText(QStringLiteral("Risposte"));
    m_axisRisposte->setLabelFormat(QStringLiteral("%d"));
    m_axisEsatte = new QValueAxis;
    m_axisEsatte->setTitleText(kLineName);
    m_axisEsatte->setRange(0, 100);
    m_axisEsatte->setTickCount(6);
    m_axisEsatte->setLabelFormat(QStringLiteral("%d%%"));
    // One grid, the answers': two would not line up.
    m_axisEsatte->setGridLineVisible(false);
    m_chart->addAxis(m_axisGiorni, Qt::AlignBottom);
    m_chart->addAxis(m_axisRisposte, Qt::AlignLeft);
    m_chart->addAxis(m_axisEsatte, Qt::AlignRight);
    m_axisTrentesimi = new QValueAxis;
    m_axisTrentesimi->setTitleText(QStringLiteral("Trentesimi"));
    m_axisTrentesimi->setLabelFormat(QStringLiteral("%d"));
    m_axisTrentesimi->setGridLineVisible(false);
    m_chart->addAxis(m_axisTrentesimi, Qt::AlignRight);

    auto* view = Controls::Named(new QChartView(m_chart, this), "picGrafico",
                                 QStringLiteral("Grafico delle risposte degli ultimi 30 giorni"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(280);
    return view;
}

void frmAndamento::FillTopicCombo()
{
    const QSignalBlocker filling(cbArgomenti);
    const TopicChoice choice = TopicChoice::Load(ModGlobal::Shared().CurrentDataFile, m_topic);
    for (const auto& row : choice.rows) cbArgomenti->addItem(QtText::FromCp1252(row));
    cbArgomenti->setCurrentIndex(choice.selected);
    m_topic = choice.selected;
}

void frmAndamento::Execute()
{
    const BankFiles files = ModGlobal::Shared().CurrentFiles();
    m_data.Load(files.data, files.record, files.log, Clock::Today(), ModGlobal::Shared().ExamSets);
    m_exams = ExamScores(HistoryFile::Read(files.history).entries, Clock::Today(), ProgressData::kDays);
    ShowView();
}

void frmAndamento::Analyse()
{
    try {
        RunModal(*this, this);
    } catch (const std::exception& e) {
        Prompts::Tell(QStringLiteral("Tessarondequiz"),
                      QStringLiteral("Errore durante l'analisi dell'andamento: ") +
                          QtText::FromUtf8(ErrorText::Describe(e)),
                      MessageIcon::Critical);
    }
}

void frmAndamento::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_firstActivation) return;
    m_firstActivation = false;
    // Once the window is on screen, so the progress window sits over it.
    QTimer::singleShot(0, this, &frmAndamento::Analyse);
}

void frmAndamento::TopicChanged(int row)
{
    if (row < 0) return;
    // Every topic's figures are already in memory: no second reading.
    m_topic = row;
    ShowView();
}

void frmAndamento::ShowView()
{
    const ProgressView view = m_data.View(m_topic);
    lbRiepilogo->setText(QString::fromStdString(view.Summary()));
    lbPrevisione->setText(QtText::FromUtf8(view.Forecast()));
    ShowChart(view);
    ShowTable(view);
}

void frmAndamento::ShowChart(const ProgressView& view)
{
    m_chart->removeAllSeries();
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QDate epoch(1970, 1, 1);
    QStringList labels;
    auto* answers = new QBarSet(QStringLiteral("Risposte date"));
    int most = 0;
    for (const ProgressDay& day : view.days) {
        labels << italian.toString(epoch.addDays(day.day), QStringLiteral("ddd d/M"));
        *answers << day.answers;
        most = std::max(most, day.answers);
    }
    m_axisGiorni->setCategories(labels);
    auto* bars = new QBarSeries;
    bars->setBarWidth(0.7);
    bars->append(answers);
    m_chart->addSeries(bars);
    bars->attachAxis(m_axisGiorni);
    bars->attachAxis(m_axisRisposte);
    m_axisRisposte->setRange(0, std::max(most, 5));
    m_axisRisposte->applyNiceNumbers();

    // A day without answers has no percentage, hence no point: the line joins
    // the days that have one.
    auto* line = new QLineSeries;
    line->setName(kLineName);
    line->setColor(QColor(0xd9, 0x53, 0x1e));
    line->setPointsVisible(true);
    line->setMarkerSize(7);
    for (size_t i = 0; i < view.days.size(); ++i)
        if (view.days[i].answers > 0)
            line->append(static_cast<qreal>(i), 100.0 * view.days[i].right / view.days[i].answers);
    m_chart->addSeries(line);
    line->attachAxis(m_axisGiorni);
    line->attachAxis(m_axisEsatte);
    ShowExams(view);
}

void frmAndamento::ShowExams(const ProgressView& view)
{
    // The exam simulations' scores, against the pass mark, once there is one to show.
    m_axisTrentesimi->setVisible(!m_exams.empty());
    if (m_exams.empty()) return;
    auto* scores = new QScatterSeries;
    scores->setName(QStringLiteral("Simulazioni d'esame"));
    scores->setColor(QColor(0x2e, 0x7d, 0x32));
    scores->setMarkerSize(9);
    double lowest = 0;
    for (const ExamPoint& exam : m_exams) {
        scores->append(exam.day, exam.thirtieths);
        lowest = std::min(lowest, exam.thirtieths);
    }
    auto* passMark = new QLineSeries;
    passMark->setName(QString::fromStdString(Scoring::PassMarkText()));
    QPen dashed(QColor(0x2e, 0x7d, 0x32));
    dashed.setStyle(Qt::DashLine);
    passMark->setPen(dashed);
    const double last = static_cast<double>(view.days.size()) - 0.5;
    passMark->append(-0.5, BuildConstants::PassMark);
    passMark->append(last, BuildConstants::PassMark);
    for (QXYSeries* series : {static_cast<QXYSeries*>(passMark), static_cast<QXYSeries*>(scores)}) {
        m_chart->addSeries(series);
        series->attachAxis(m_axisGiorni);
        series->attachAxis(m_axisTrentesimi);
    }
    m_axisTrentesimi->setRange(std::floor(lowest), BuildConstants::MarkScale);
}

void frmAndamento::ShowTable(const ProgressView& view)
{
    m_table->setRowCount(0);
    for (const ProgressRow& row : view.rows) {
        QList<QStandardItem*> cells;
        cells << new QStandardItem(QtText::FromCp1252(row.argomento));
        for (const int32_t value : {row.quesiti, row.maiVisti, row.esatte, row.daRipassare})
            cells << new QStandardItem(QString::number(value));
        cells << new QStandardItem(QtText::FromUtf8(row.MeanChance()));
        for (qsizetype c = 1; c < cells.size(); ++c) cells[c]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->appendRow(cells);
    }
    // "Totale" stands out from the topics above it.
    QFont bold = lvArgomenti->font();
    bold.setBold(true);
    for (int c = 0; c < m_table->columnCount(); ++c) m_table->item(m_table->rowCount() - 1, c)->setFont(bold);

    const int shown = std::min(m_table->rowCount(), kVisibleRows);
    lvArgomenti->setFixedHeight(lvArgomenti->horizontalHeader()->sizeHint().height() +
                                shown * lvArgomenti->verticalHeader()->defaultSectionSize() +
                                2 * lvArgomenti->frameWidth());
}

void frmAndamento::SalvaImmagine()
{
    // Today's chart, offered in the user's pictures folder (the home folder until there is one).
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QDir folder(!pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath());
    const QString name = QStringLiteral("andamento-%1.png")
                             .arg(QDate(1970, 1, 1).addDays(Clock::Today()).toString(QStringLiteral("yyyy-MM-dd")));
    const QString file = Prompts::SaveFile(QStringLiteral("Salva immagine"), QStringLiteral("Immagine PNG (*.png)"),
                                           QStringLiteral("png"), folder.filePath(name));
    if (file.isEmpty()) return;
    // Encoded in memory, then written whole or not at all: a failed save leaves an older image whole.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QString why;
    if (!writer.write(picGrafico->grab().toImage())) {
        why = writer.errorString();
    } else {
        const auto saved = ReplaceFile::Replace(QtText::ToPath(file), std::string_view(png.constData(), png.size()));
        if (!saved) why = QtText::FromUtf8(saved.error().description);
    }
    if (!why.isEmpty())
        Prompts::Tell(QStringLiteral("Tessarondequiz"),
                      QStringLiteral("Errore durante il salvataggio dell'immagine: ") + why, MessageIcon::Critical);
}
