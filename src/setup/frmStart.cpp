#include "setup/frmStart.h"

#include "bank/ErrorText.h"
#include "bank/TextConvert.h"

#include "setup/cMousePointer.h"
#include "setup/frmModal.h"
#include "setup/InterruptedTest.h"
#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/SessionLoader.h"
#include "setup/StartRules.h"
#include "setup/TestSettings.h"

#include "ui/AppSettings.h"
#include "ui/ModWindows.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#ifndef TQ_VERSION
#define TQ_VERSION "1.0"
#endif

using namespace ModGlobal;

namespace {

const QString kAttenzione = QStringLiteral("Attenzione!");
constexpr int kPrintLimit = 1000;

const QStringList kOrdini = {
    QStringLiteral("Casuale"),
    QStringLiteral("Prima le risposte errate"),
    QStringLiteral("Prima i quesiti meno proposti"),
    QStringLiteral("Originale come da gazzetta"),
    QStringLiteral("Solo le risposte errate"),
    QStringLiteral("SIMULAZIONE ESAME"),
};

const QStringList kNumeri = {
    QStringLiteral("Tutti"), QStringLiteral("30"),  QStringLiteral("50"),  QStringLiteral("80"),
    QStringLiteral("100"),   QStringLiteral("150"), QStringLiteral("200"), QStringLiteral("500"),
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

template <typename T>
T* Named(T* widget, const char* name, const QString& accessibleName = {})
{
    widget->setObjectName(name);
    if (!accessibleName.isEmpty()) widget->setAccessibleName(accessibleName);
    return widget;
}

}  // namespace

frmStart::frmStart(QWidget* parent) : QWidget(parent)
{
    setObjectName("frmStart");
    setAttribute(Qt::WA_DeleteOnClose);
    m_firstActivation = true;
    m_sessionLoaded = false;

    setWindowTitle(QStringLiteral("Tessarondequiz - ") + QtText::FromCp1252(CompetitionTitle));
    BuildControls();
    BuildLayout();
    FillLists();

    ModFunzioni::DefineExamSets();
    ModFunzioni::DefineFilters();

    lstElencoFiltri->clear();
    ApplyTimeBox();
    LoadTopicList(CurrentDataFile);
}

frmStart::~frmStart() = default;

frmStart* frmStart::ShowNew()
{
    auto* window = new frmStart;
    window->show();
    return window;
}

void frmStart::BuildControls()
{
    lbArgomenti = MakeLabel(this, "lbArgomenti", QStringLiteral("Selezionare l'argomento:"));
    lstElencoFiltri = Named(new QListWidget(this), "lstElencoFiltri", QStringLiteral("Argomento"));
    lbArgomenti->setBuddy(lstElencoFiltri);

    lbSelezioneArea = MakeLabel(this, "lbSelezioneArea", QStringLiteral("Selezionare la lingua:"));
    optArea[0] = Named(new QRadioButton(QStringLiteral("Inglese"), this), "optArea0");
    optArea[1] = Named(new QRadioButton(QStringLiteral("Francese"), this), "optArea1");

    Label13 = MakeLabel(this, "Label13", QStringLiteral("Numero di quesiti: "));
    cbNumero = Named(new QComboBox(this), "cbNumero", QStringLiteral("Numero di quesiti"));
    Label13->setBuddy(cbNumero);

    Label12 = MakeLabel(this, "Label12", QStringLiteral("Sequenza dei quesiti: "));
    cbOrdine = Named(new QComboBox(this), "cbOrdine", QStringLiteral("Sequenza dei quesiti"));
    Label12->setBuddy(cbOrdine);

    lbHdrNumeroIniziale = MakeLabel(this, "lbHdrNumeroIniziale", QStringLiteral("A partire dal quesito N.:"));
    txtNumeroIniziale = Named(new QLineEdit(this), "txtNumeroIniziale", QStringLiteral("A partire dal quesito N."));
    lbHdrNumeroIniziale->setBuddy(txtNumeroIniziale);

    Label2 = MakeLabel(this, "Label2", QStringLiteral("Tempo massimo:"));
    ckAbilitaTempo = Named(new QCheckBox(this), "ckAbilitaTempo", QStringLiteral("Tempo massimo"));
    Label2->setBuddy(ckAbilitaTempo);
    picBack = Named(new QWidget(this), "picBack");
    txtOre = Named(new QLineEdit(picBack), "txtOre", QStringLiteral("Ore"));
    txtMin = Named(new QLineEdit(QStringLiteral("50"), picBack), "txtMin", QStringLiteral("Minuti"));

    ckDontMixAnswers = Named(
        new QCheckBox(QStringLiteral("Lascia le risposte nell'ordine originale (NON casuale)"), this), "ckDontMixAnswers");
    ckRecordBad = Named(new QCheckBox(QStringLiteral("Registra le risposte errate"), this), "ckRecordBad");
    ckLowerCase =
        Named(new QCheckBox(QStringLiteral("Visualizza domande in lettere tutte minuscole"), this), "ckLowerCase");
    ckRevisione =
        Named(new QCheckBox(QStringLiteral("Mostra la revisione al termine del test"), this), "ckRevisione");

    Label15 = MakeLabel(this, "Label15", QStringLiteral("Combinazione colori: "));
    cbTema = Named(new QComboBox(this), "cbTema", QStringLiteral("Combinazione colori"));
    Label15->setBuddy(cbTema);

    cmdInizia = Named(new QPushButton(QStringLiteral("> INIZIA NUOVO TEST <"), this), "cmdInizia",
                      QStringLiteral("Inizia nuovo test"));
    cmdStampa = Named(new QPushButton(QStringLiteral("Stampa nuovo test"), this), "cmdStampa");
    cmdCarica = Named(new QPushButton(QStringLiteral("Carica un test in sospeso"), this), "cmdCarica");
    cmdRiprendi = Named(new QPushButton(QStringLiteral("Riprendi il test interrotto"), this), "cmdRiprendi");
    cmdRiprendi->setVisible(false);
    cmdStatistiche = Named(new QPushButton(QStringLiteral("Visualizza statistiche"), this), "cmdStatistiche");
    cmdAndamento = Named(new QPushButton(QStringLiteral("Andamento"), this), "cmdAndamento",
                         QStringLiteral("Andamento della preparazione"));
    cmdEsci = Named(new QPushButton(QStringLiteral("Esci"), this), "cmdEsci");
    cmdStampa->setVisible(false);

    timRestarter = new QTimer(this);
    timRestarter->setObjectName("timRestarter");
    timRestarter->setInterval(10);
    timRestarter->setSingleShot(true);

    connect(cmdInizia, &QPushButton::clicked, this, [this] { BeginTest(false); });
    connect(cmdStampa, &QPushButton::clicked, this, [this] { BeginTest(true); });
    connect(cmdCarica, &QPushButton::clicked, this, &frmStart::LoadSession);
    connect(cmdRiprendi, &QPushButton::clicked, this, &frmStart::ResumeInterrupted);
    connect(cmdStatistiche, &QPushButton::clicked, this, &frmStart::OpenStatistics);
    connect(cmdAndamento, &QPushButton::clicked, this, &frmStart::OpenAndamento);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(optArea[0], &QRadioButton::clicked, this, [this] { SelectArea(0); });
    connect(optArea[1], &QRadioButton::clicked, this, [this] { SelectArea(1); });
    connect(cbOrdine, &QComboBox::currentIndexChanged, this, &frmStart::ApplyOrderOptions);
    connect(ckAbilitaTempo, &QCheckBox::toggled, this, &frmStart::ApplyTimeBox);
    connect(timRestarter, &QTimer::timeout, this, &frmStart::Restart);
}

void frmStart::BuildLayout()
{
    // Heading: the program, the competition and a word of encouragement.
    auto* heading = new QFrame(this);
    heading->setObjectName("frHeading");
    heading->setFrameShape(QFrame::StyledPanel);
    heading->setAutoFillBackground(true);
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::Window, QColor(0, 0, 96));
    headingPalette.setColor(QPalette::WindowText, Qt::white);
    heading->setPalette(headingPalette);

    const QString title = QtText::FromCp1252(CompetitionTitle);
    const qsizetype dash = title.indexOf(QStringLiteral(" - "));
    auto* lbLogo = MakeLabel(heading, "lbLogo", QStringLiteral("tessarondequiz"));
    QFont logoFont = lbLogo->font();
    logoFont.setPointSizeF(logoFont.pointSizeF() * 1.8);
    logoFont.setBold(true);
    lbLogo->setFont(logoFont);
    lbLogo->setStyleSheet(QStringLiteral("color: rgb(160, 160, 160);"));
    auto* lbConcorso1 = MakeLabel(heading, "lbConcorso1", dash < 0 ? title : title.left(dash));
    auto* lbConcorso2 = MakeLabel(heading, "lbConcorso2", dash < 0 ? QString() : title.mid(dash + 3));
    QFont competitionFont = lbConcorso1->font();
    competitionFont.setPointSizeF(competitionFont.pointSizeF() * 1.35);
    competitionFont.setBold(true);
    lbConcorso1->setFont(competitionFont);
    lbConcorso2->setFont(competitionFont);
    auto* lbSlogan1 = MakeLabel(heading, "lbSlogan1", QStringLiteral("Ogni quesito svolto oggi"));
    auto* lbSlogan2 = MakeLabel(heading, "lbSlogan2", QStringLiteral("è un passo in più verso il concorso."));
    QFont sloganFont = lbSlogan1->font();
    sloganFont.setItalic(true);
    lbSlogan1->setFont(sloganFont);
    lbSlogan2->setFont(sloganFont);
    lbSlogan1->setStyleSheet(QStringLiteral("color: rgb(255, 255, 192);"));
    lbSlogan2->setStyleSheet(QStringLiteral("color: rgb(255, 255, 192);"));
    auto* lbVersione = MakeLabel(heading, "lbVersione", QStringLiteral("Versione " TQ_VERSION));
    lbVersione->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192);"));

    auto* headingText = new QVBoxLayout;
    headingText->setSpacing(2);
    headingText->addWidget(lbConcorso1);
    headingText->addWidget(lbConcorso2);
    headingText->addSpacing(6);
    headingText->addWidget(lbSlogan1);
    headingText->addWidget(lbSlogan2);
    auto* headingSide = new QVBoxLayout;
    headingSide->addWidget(lbLogo, 0, Qt::AlignRight);
    headingSide->addStretch();
    headingSide->addWidget(lbVersione, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* headingLayout = new QHBoxLayout(heading);
    headingLayout->setContentsMargins(16, 12, 16, 12);
    headingLayout->addLayout(headingText, 1);
    headingLayout->addLayout(headingSide);

    // The time limit: hours ":" minutes, only while the box is checked.
    for (QLineEdit* edit : {txtOre, txtMin}) {
        edit->setMaxLength(5);
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
        edit->setAlignment(Qt::AlignRight);
    }
    auto* timeLayout = new QHBoxLayout(picBack);
    timeLayout->setContentsMargins(0, 0, 0, 0);
    timeLayout->addWidget(txtOre);
    timeLayout->addWidget(MakeLabel(picBack, "lbOre", QStringLiteral("Ore")));
    timeLayout->addWidget(MakeLabel(picBack, "lbDuePunti", QStringLiteral(":")));
    timeLayout->addWidget(txtMin);
    timeLayout->addWidget(MakeLabel(picBack, "lbMinuti", QStringLiteral("Minuti")));
    timeLayout->addStretch();
    auto* timeRow = new QHBoxLayout;
    timeRow->setSpacing(10);
    timeRow->addWidget(ckAbilitaTempo);
    timeRow->addWidget(picBack, 1);
    // The row keeps its height while the time fields are hidden.
    QSizePolicy keep = picBack->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    picBack->setSizePolicy(keep);

    txtNumeroIniziale->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    for (QWidget* w : {static_cast<QWidget*>(lbHdrNumeroIniziale), static_cast<QWidget*>(txtNumeroIniziale)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    lstElencoFiltri->setMinimumHeight(fontMetrics().height() * 6);
    lstElencoFiltri->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);

    auto* areaRow = new QHBoxLayout;
    areaRow->addWidget(optArea[0]);
    areaRow->addWidget(optArea[1]);
    areaRow->addStretch();

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(10);
    options->setVerticalSpacing(8);
    int row = 0;
    options->addWidget(lbSelezioneArea, row, 0);
    options->addLayout(areaRow, row++, 1);
    options->addWidget(lbArgomenti, row++, 0, 1, 2);
    options->addWidget(lstElencoFiltri, row++, 0, 1, 2);
    options->addWidget(Label13, row, 0);
    options->addWidget(cbNumero, row++, 1);
    options->addWidget(Label12, row, 0);
    options->addWidget(cbOrdine, row++, 1);
    options->addWidget(lbHdrNumeroIniziale, row, 0);
    options->addWidget(txtNumeroIniziale, row++, 1);
    options->addWidget(Label2, row, 0);
    options->addLayout(timeRow, row++, 1);
    options->addWidget(ckDontMixAnswers, row++, 0, 1, 2);
    options->addWidget(ckRecordBad, row++, 0, 1, 2);
    options->addWidget(ckLowerCase, row++, 0, 1, 2);
    options->addWidget(ckRevisione, row++, 0, 1, 2);
    options->addWidget(Label15, row, 0);
    options->addWidget(cbTema, row++, 1);
    options->setColumnStretch(1, 1);

    QFont startFont = cmdInizia->font();
    startFont.setBold(true);
    cmdInizia->setFont(startFont);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* b : {cmdInizia, cmdStampa, cmdCarica, cmdRiprendi, cmdStatistiche, cmdAndamento}) {
        b->setMinimumHeight(fontMetrics().height() * 2 + 6);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    cmdEsci->setMinimumHeight(fontMetrics().height() * 2 + 6);
    buttons->addWidget(cmdEsci);

    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addLayout(options, 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(heading);
    layout->addLayout(body, 1);

    setTabOrder(lstElencoFiltri, cbNumero);
    setTabOrder(cbNumero, cbOrdine);
    setTabOrder(cbOrdine, txtNumeroIniziale);
    setTabOrder(txtNumeroIniziale, ckAbilitaTempo);
    setTabOrder(ckAbilitaTempo, txtOre);
    setTabOrder(txtOre, txtMin);
    setTabOrder(txtMin, ckDontMixAnswers);
    setTabOrder(ckDontMixAnswers, ckRecordBad);
    setTabOrder(ckRecordBad, ckRevisione);
    setTabOrder(ckRevisione, cbTema);
    setTabOrder(cbTema, cmdInizia);
    setTabOrder(cmdInizia, cmdStampa);
    setTabOrder(cmdStampa, cmdCarica);
    setTabOrder(cmdCarica, cmdRiprendi);
    setTabOrder(cmdRiprendi, cmdStatistiche);
    setTabOrder(cmdStatistiche, cmdAndamento);
    setTabOrder(cmdAndamento, cmdEsci);
}

void frmStart::FillLists()
{
    const QSignalBlocker block(cbOrdine);
    cbOrdine->addItems(kOrdini);
    cbNumero->addItems(kNumeri);
    if (Themes)
        for (const auto& theme : *Themes) cbTema->addItem(QtText::FromCp1252(theme->Nome));
    cbOrdine->setCurrentIndex(-1);
    cbNumero->setCurrentIndex(-1);
    cbTema->setCurrentIndex(-1);
}

void frmStart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_firstActivation) FirstActivation();
}

void frmStart::FirstActivation()
{
    m_firstActivation = false;
    const bool twoAreas = !AltDataFileName.empty();
    lbSelezioneArea->setVisible(twoAreas);
    optArea[0]->setVisible(twoAreas);
    optArea[1]->setVisible(twoAreas);
    ckLowerCase->setVisible(false);
    LoadSettings();
    cmdStampa->setVisible(true);
    // The bank is chosen by now: its interrupted test, if any, can be offered.
    cmdRiprendi->setVisible(InterruptedTest::Resumable());
}

void frmStart::closeEvent(QCloseEvent* event)
{
    timRestarter->stop();
    SaveSettings();
    QWidget::closeEvent(event);
}

void frmStart::SelectArea(int area)
{
    if (AltDataFileName.empty()) area = 0;
    CurrentDataFile = area == 0 ? DataFileName : AltDataFileName;
    LoadTopicList(CurrentDataFile);
    if (lstElencoFiltri->count() > 0) lstElencoFiltri->setCurrentRow(0);
    lstElencoFiltri->setFocus();
}

void frmStart::LoadTopicList(const std::string& fileName)
{
    lstElencoFiltri->clear();
    if (fileName.empty()) return;
    cDocumento document;
    document.LoadArgomentiFromText(fileName);
    // A bank of one topic needs no choice: the list is hidden but still holds
    // its rows, so a test can start.
    const bool oneTopic = document.Argomenti().Count() == 1;
    lbArgomenti->setVisible(!oneTopic);
    lstElencoFiltri->setVisible(!oneTopic);
    for (const cFiltroMain& filter : Filters) {
        const auto caption = StartRules::FilterCaption(filter, document.Argomenti());
        if (!caption) break;
        lstElencoFiltri->addItem(*caption);
    }
}

void frmStart::LoadSettings()
{
    AppSettings settings;
    using Key = AppSettings::Key;

    int area = 0;
    if (!AltDataFileName.empty()) area = StartRules::WholeNumber(settings.Get(Key::Area)).value_or(0) == 0 ? 0 : 1;
    optArea[area]->setChecked(true);
    SelectArea(area);

    const int filterRow = StartRules::FilterRow(settings.Get(Key::FiltroCorrente), lstElencoFiltri->count());
    if (lstElencoFiltri->count() > 0) lstElencoFiltri->setCurrentRow(filterRow);

    cbNumero->setCurrentIndex(StartRules::NumeroRow(settings.Get(Key::Numero), kNumeri));
    if (Themes) cbTema->setCurrentIndex(StartRules::TemaRow(settings.Get(Key::Tema), *Themes));
    {
        const QSignalBlocker block(cbOrdine);
        cbOrdine->setCurrentIndex(StartRules::OrdineRow(settings.Get(Key::Ordine), cbOrdine->count()));
    }
    txtNumeroIniziale->setText(settings.Get(Key::IDIniziale));

    ckDontMixAnswers->setChecked(StartRules::StoredFlag(settings.Get(Key::DontMixAnswers), false));
    ckRecordBad->setChecked(StartRules::StoredFlag(settings.Get(Key::RecordErrors), true));
    ckLowerCase->setChecked(StartRules::StoredFlag(settings.Get(Key::LowerCase), false));
    ckRevisione->setChecked(StartRules::StoredFlag(settings.Get(Key::Revisione), true));

    ApplyOrderOptions();
}

void frmStart::SaveSettings()
{
    // After a resumed test the options the user had set stay as they were.
    if (m_sessionLoaded) return;
    AppSettings settings;
    using Key = AppSettings::Key;
    settings.Set(Key::Area, optArea[0]->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    settings.Set(Key::FiltroCorrente, QString::number(std::max(0, lstElencoFiltri->currentRow())));
    settings.Set(Key::Numero, cbNumero->currentText());
    const int theme = cbTema->currentIndex();
    if (Themes && theme >= 0 && theme < Themes->Count())
        settings.Set(Key::Tema, QtText::FromCp1252(Themes->Item(theme + 1)->Chiave));
    settings.Set(Key::Ordine, QString::number(std::max(0, cbOrdine->currentIndex())));
    settings.Set(Key::IDIniziale, txtNumeroIniziale->text().trimmed());
    settings.Set(Key::DontMixAnswers, QString::fromLatin1(TextConvert::FromBool(ckDontMixAnswers->isChecked())));
    settings.Set(Key::RecordErrors, QString::fromLatin1(TextConvert::FromBool(ckRecordBad->isChecked())));
    settings.Set(Key::LowerCase, QString::fromLatin1(TextConvert::FromBool(ckLowerCase->isChecked())));
    settings.Set(Key::Revisione, QString::fromLatin1(TextConvert::FromBool(ckRevisione->isChecked())));
    settings.Sync();
}

void frmStart::ApplyTimeBox() { picBack->setVisible(ckAbilitaTempo->isChecked()); }

void frmStart::ApplyOrderOptions()
{
    const int mode = cbOrdine->currentIndex();
    const bool exam = mode == OrderEsame;
    if (exam) {
        cbNumero->setCurrentIndex(2);
        if (lstElencoFiltri->count() > 0) lstElencoFiltri->setCurrentRow(0);
        if (ExamHours + ExamMinutes >= 1) {
            ckAbilitaTempo->setChecked(true);
            txtOre->setText(QString::number(ExamHours));
            txtMin->setText(QString::number(ExamMinutes));
        }
    }
    cbNumero->setEnabled(!exam);
    lstElencoFiltri->setEnabled(!exam);
    // The exam's time is part of the simulation: it cannot be changed either.
    const bool timeLocked = exam && ExamHours + ExamMinutes >= 1;
    ckAbilitaTempo->setEnabled(!timeLocked);
    txtOre->setEnabled(!timeLocked);
    txtMin->setEnabled(!timeLocked);
    ApplyTimeBox();

    const bool fromNumber = mode == OrderGazzetta;
    lbHdrNumeroIniziale->setVisible(fromNumber);
    txtNumeroIniziale->setVisible(fromNumber);
}

void frmStart::ApplyTopicFilter() { ModFunzioni::ApplyTopicFilter(lstElencoFiltri->currentRow()); }

void frmStart::SelectTheme()
{
    const int row = cbTema->currentIndex();
    if (Themes && Themes->Count() > 0) CurrentTheme = Themes->Item(std::clamp(row, 0, Themes->Count() - 1) + 1);
}

void frmStart::Execute()
{
    ModFunzioni::WriteLog("DOM:" + ModFunzioni::DescribeSettings());
    ModFunzioni::EstraiQuesiti();
}

void frmStart::BeginTest(bool forPrint)
{
    if (lstElencoFiltri->count() == 0) {
        Prompts::Tell(kAttenzione, QStringLiteral("Selezionare l'argomento."), MessageIcon::Exclamation);
        return;
    }
    if (StartRules::ReducedRandomness(ckDontMixAnswers->isChecked(), cbOrdine->currentIndex()) &&
        !Prompts::Confirm(kAttenzione, StartRules::ReducedRandomnessQuestion(), MessageIcon::Exclamation))
        return;
    if (!forPrint) {
        const auto limit =
            StartRules::ParseTimeLimit(ckAbilitaTempo->isChecked(), txtOre->text(), txtMin->text());
        if (!limit) {
            Prompts::Tell(kAttenzione, QtText::FromUtf8(limit.error().description), MessageIcon::Critical);
            return;
        }
        TimeLimitHours = limit->hours;
        TimeLimitMinutes = limit->minutes;
    }
    KeepAnswerOrder = ckDontMixAnswers->isChecked();
    RecordWrongAnswers = ckRecordBad->isChecked();
    OrderMode = std::max(0, cbOrdine->currentIndex());
    ApplyTopicFilter();
    QuestionCount = StartRules::WholeNumber(cbNumero->currentText()).value_or(0);
    StartNumber = StartRules::WholeNumber(txtNumeroIniziale->text()).value_or(1);
    SelectTheme();

    TestSet.reset();
    ResumeIndex = -1;
    ResumeCorrect = 0;
    m_sessionLoaded = false;
    try {
        RunModal(*this, this);
    } catch (const std::exception& e) {
        // A fault of the program, not a filter that found nothing.
        TestSet.reset();
        Prompts::Tell(UnexpectedError("Errore inaspettato nell'estrazione dei quesiti", ErrorText::Describe(e)));
        RestartStart();
        return;
    }

    if (!TestSet || TestSet->Count() == 0) {
        Prompts::Tell(kAttenzione, QStringLiteral("Nessun quesito trovato per i filtri impostati!"),
                      MessageIcon::Exclamation);
        RestartStart();
        return;
    }
    if (forPrint) {
        if (TestSet->Count() > kPrintLimit) {
            Prompts::Tell(kAttenzione, QStringLiteral("E' possibile stampare solo fino a 1000 quesiti per volta."),
                          MessageIcon::Exclamation);
        } else {
            const auto saved = ModFunzioni::SaveSession(ModFunzioni::PrintTempPath(), 0);
            if (saved)
                LaunchPrint(ModFunzioni::PrintTempPath());
            else
                Prompts::Tell(UnexpectedError("Errore inaspettato nella registrazione della sessione",
                                              saved.error().description));
        }
        RestartStart();
        return;
    }
    if (RecordStore && !RecordStore->Initialized()) Prompts::Tell(ModFunzioni::StatisticsUnavailableMessage());
    close();
    HandOverToQuiz();
}

void frmStart::LoadSession()
{
    const QString file = Prompts::OpenFile(QStringLiteral("Selezionare la sessione da caricare"),
                                           Prompts::SessionFileFilter());
    if (file.isEmpty()) return;
    OpenSession(QtText::ToPath(file), false);
}

void frmStart::ResumeInterrupted() { OpenSession(InterruptedTest::Path(), true); }

void frmStart::OpenSession(const std::filesystem::path& path, bool interrupted)
{
    Expected<void> loaded;
    {
        cMousePointer pointer;
        pointer.SetWait();
        loaded = SessionLoader::Load(path);
    }
    if (!loaded) {
        Prompts::Tell(SessionLoader::Message(loaded.error()));
        if (interrupted) {
            // None of its questions is left in the bank: it can never be resumed.
            if (loaded.error().kind == Failure::Kind::NothingFound) InterruptedTest::Remove();
            cmdRiprendi->setVisible(InterruptedTest::Resumable());
        }
        return;
    }
    ResumeShowsNext = interrupted;
    SelectTheme();
    m_sessionLoaded = true;
    if (RecordStore && !RecordStore->Initialized()) Prompts::Tell(ModFunzioni::StatisticsUnavailableMessage());
    close();
    HandOverToQuiz();
}

void frmStart::OpenStatistics()
{
    ApplyTopicFilter();
    if (ModWindows::ShowStatistics) ModWindows::ShowStatistics();
}

void frmStart::OpenAndamento()
{
    ApplyTopicFilter();
    if (ModWindows::ShowAndamento) ModWindows::ShowAndamento();
}

void frmStart::LaunchPrint(const std::filesystem::path& path)
{
    PrintSourcePath = path.string();
    ShuffleText = TextConvert::FromBool(!KeepAnswerOrder);
    if (ModWindows::ShowPrintWizard) ModWindows::ShowPrintWizard();
}

void frmStart::RestartStart() { timRestarter->start(); }

void frmStart::Restart()
{
    timRestarter->stop();
    close();
    ShowNew();
}

void frmStart::HandOverToQuiz()
{
    if (ModWindows::ShowQuizScreen) {
        ModWindows::ShowQuizScreen();
        return;
    }
    // Hand-over point: until the quiz screen is part of the program, the test
    // built above is left in ModGlobal::TestSet and a fresh start window follows.
    ShowNew();
}
