#include "windows/frmStart.h"

#include "bank/DataFolders.h"
#include "bank/ErrorText.h"
#include "bank/TextConvert.h"

#include "setup/AnswerLog.h"
#include "setup/BuildConstants.h"
#include "setup/Clock.h"
#include "setup/Competition.h"
#include "setup/DueToday.h"
#include "setup/InterruptedTest.h"
#include "setup/PrintTempFile.h"
#include "setup/SessionFile.h"
#include "setup/TestMessages.h"

#include "ui/AppSettings.h"
#include "ui/cMousePointer.h"
#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include "windows/frmModal.h"
#include "windows/frmStorico.h"
#include "windows/StartRules.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using ModGlobal::Shared;
using Controls::Captioned;
using Controls::Label;
using Controls::Named;

namespace {

const QString kAttenzione = QStringLiteral("Attenzione!");

const QStringList kNumeri = {
    QStringLiteral("Tutti"), QStringLiteral("30"),  QStringLiteral("50"),  QStringLiteral("80"),
    QStringLiteral("100"),   QStringLiteral("150"), QStringLiteral("200"), QStringLiteral("500"),
};

}  // namespace

frmStart::frmStart(QWidget* parent) : QWidget(parent)
{
    setObjectName("frmStart");
    setAttribute(Qt::WA_DeleteOnClose);
    m_firstActivation = true;
    m_sessionLoaded = false;

    setWindowTitle(QStringLiteral("Tessarondequiz - ") + QtText::FromCp1252(Shared().CompetitionTitle));
    BuildControls();
    BuildLayout();
    FillLists();

    Shared().DefineExamSets();
    Shared().DefineFilters();

    lstElencoFiltri->clear();
    ApplyTimeBox();
    LoadTopicList(Shared().CurrentDataFile);
}

frmStart::~frmStart() = default;

frmStart* frmStart::ShowNew()
{
    auto* window = new frmStart;
    window->show();
    return window;
}

frmStart* frmStart::ShowNewLoading(const std::filesystem::path& path)
{
    frmStart* window = ShowNew();
    // After the first paint, so that its messages stand over the window.
    QTimer::singleShot(0, window, [window, path] {
        if (window->DiscardInterrupted()) window->OpenSession(path, SessionLoader::Mode::Suspended);
    });
    return window;
}

void frmStart::BuildControls()
{
    lbArgomenti = Label(this, "lbArgomenti", QStringLiteral("Selezionare l'argomento:"));
    lstElencoFiltri = Captioned(lbArgomenti, new QListWidget(this), "lstElencoFiltri");
    lbDaRipassare = Label(this, "lbDaRipassare");
    lbDaRipassare->setVisible(false);

    lbSelezioneArea = Label(this, "lbSelezioneArea", QStringLiteral("Selezionare la lingua:"));
    optArea[0] = Named(new QRadioButton(QStringLiteral("Inglese"), this), "optArea0");
    optArea[1] = Named(new QRadioButton(QStringLiteral("Francese"), this), "optArea1");

    Label13 = Label(this, "Label13", QStringLiteral("Numero di quesiti: "));
    cbNumero = Captioned(Label13, new QComboBox(this), "cbNumero");
    Label12 = Label(this, "Label12", QStringLiteral("Sequenza dei quesiti: "));
    cbOrdine = Captioned(Label12, new QComboBox(this), "cbOrdine");
    lbHdrNumeroIniziale = Label(this, "lbHdrNumeroIniziale", QStringLiteral("A partire dal quesito N.:"));
    txtNumeroIniziale = Captioned(lbHdrNumeroIniziale, new QLineEdit(this), "txtNumeroIniziale");

    Label2 = Label(this, "Label2", QStringLiteral("Tempo massimo:"));
    ckAbilitaTempo = Captioned(Label2, new QCheckBox(this), "ckAbilitaTempo");
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

    Label15 = Label(this, "Label15", QStringLiteral("Combinazione colori: "));
    cbTema = Captioned(Label15, new QComboBox(this), "cbTema");

    cmdInizia = Named(new QPushButton(QStringLiteral("> INIZIA NUOVO TEST <"), this), "cmdInizia",
                      QStringLiteral("Inizia nuovo test"));
    cmdStampa = Named(new QPushButton(QStringLiteral("Stampa nuovo test"), this), "cmdStampa");
    cmdCarica = Named(new QPushButton(QStringLiteral("Carica un test in sospeso"), this), "cmdCarica");
    cmdRiprendi = Named(new QPushButton(QStringLiteral("Riprendi il test interrotto"), this), "cmdRiprendi");
    cmdRiprendi->setVisible(false);
    cmdStatistiche = Named(new QPushButton(QStringLiteral("Visualizza statistiche"), this), "cmdStatistiche");
    cmdAndamento = Named(new QPushButton(QStringLiteral("Andamento"), this), "cmdAndamento",
                         QStringLiteral("Andamento della preparazione"));
    cmdStorico = Named(new QPushButton(QStringLiteral("Storico"), this), "cmdStorico",
                       QStringLiteral("Storico dei test"));
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
    connect(cmdStorico, &QPushButton::clicked, this, &frmStart::OpenStorico);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(optArea[0], &QRadioButton::clicked, this, [this] { SelectArea(0); });
    connect(optArea[1], &QRadioButton::clicked, this, [this] { SelectArea(1); });
    connect(cbOrdine, &QComboBox::currentIndexChanged, this, &frmStart::ApplyOrderOptions);
    connect(lstElencoFiltri, &QListWidget::currentRowChanged, this, &frmStart::ShowDueToday);
    connect(ckAbilitaTempo, &QCheckBox::toggled, this, &frmStart::ApplyTimeBox);
    connect(timRestarter, &QTimer::timeout, this, &frmStart::Restart);
}

void frmStart::FillLists()
{
    const QSignalBlocker block(cbOrdine);
    cbOrdine->addItems(StartRules::Orderings());
    cbNumero->addItems(kNumeri);
    if (const auto& themes = Shared().Themes)
        for (const auto& theme : *themes) cbTema->addItem(QtText::FromCp1252(theme->Nome));
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
    const bool twoAreas = !BuildConstants::AltDataFileName.empty();
    lbSelezioneArea->setVisible(twoAreas);
    optArea[0]->setVisible(twoAreas);
    optArea[1]->setVisible(twoAreas);
    ckLowerCase->setVisible(false);
    LoadSettings();
    cmdStampa->setVisible(true);
    // The bank is chosen by now: its interrupted test, if any, can be offered.
    OfferInterrupted();
}

SessionLoader::Check frmStart::CurrentCheck() const
{
    return {Shared().Request(), Shared().DataFileName};
}

void frmStart::OfferInterrupted()
{
    const auto file = Shared().CurrentFiles().interrupted;
    const auto offer = InterruptedTest::Look(file, CurrentCheck());
    cmdRiprendi->setVisible(offer.has_value());
    if (offer) {
        cmdRiprendi->setText(QtText::FromUtf8(InterruptedTest::Caption(*offer)));
        return;
    }
    const Failure::Kind kind = offer.error().kind;
    // Told once: the file goes aside and is never offered again.
    if (kind == Failure::Kind::Damaged || kind == Failure::Kind::Missing) SetAsideInterrupted(offer.error());
}

void frmStart::SetAsideInterrupted(const Failure& failure)
{
    Prompts::Tell(TestMessages::InterruptedNotResumed(failure));
    const auto file = Shared().CurrentFiles().interrupted;
    if (!InterruptedTest::SetAside(file)) InterruptedTest::Remove(file);
    cmdRiprendi->setVisible(false);
}

bool frmStart::DiscardInterrupted()
{
    if (!cmdRiprendi->isVisible()) return true;
    return Prompts::Confirm(kAttenzione, QStringLiteral("C'è un test interrotto. Vuoi scartarlo e iniziarne uno nuovo?"),
                            MessageIcon::Exclamation);
}

void frmStart::closeEvent(QCloseEvent* event)
{
    timRestarter->stop();
    SaveSettings();
    QWidget::closeEvent(event);
}

void frmStart::SelectArea(int area)
{
    if (BuildConstants::AltDataFileName.empty()) area = 0;
    Shared().CurrentDataFile = area == 0 ? Shared().DataFileName : std::string(BuildConstants::AltDataFileName);
    m_dueToday.reset();
    LoadTopicList(Shared().CurrentDataFile);
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
    for (const cFiltroMain& filter : Shared().Filters) {
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
    if (!BuildConstants::AltDataFileName.empty()) area = StartRules::WholeNumber(settings.Get(Key::Area)).value_or(0) == 0 ? 0 : 1;
    optArea[area]->setChecked(true);
    SelectArea(area);

    const int filterRow = StartRules::FilterRow(settings.Get(Key::FiltroCorrente), lstElencoFiltri->count());
    if (lstElencoFiltri->count() > 0) lstElencoFiltri->setCurrentRow(filterRow);

    cbNumero->setCurrentIndex(StartRules::NumeroRow(settings.Get(Key::Numero), kNumeri));
    if (const auto& themes = Shared().Themes) cbTema->setCurrentIndex(StartRules::TemaRow(settings.Get(Key::Tema), *themes));
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
    if (const auto& themes = Shared().Themes; themes && theme >= 0 && theme < themes->Count())
        settings.Set(Key::Tema, QtText::FromCp1252(themes->Item(theme + 1)->Chiave));
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
    const auto& g = Shared();
    if (exam) {
        // The row of the exam's own number of questions.
        const int examRow = static_cast<int>(kNumeri.indexOf(QString::number(Competition::ExamQuestions(g.ExamSets))));
        if (examRow >= 0) cbNumero->setCurrentIndex(examRow);
        if (lstElencoFiltri->count() > 0) lstElencoFiltri->setCurrentRow(0);
        if (g.ExamHours + g.ExamMinutes >= 1) {
            ckAbilitaTempo->setChecked(true);
            txtOre->setText(QString::number(g.ExamHours));
            txtMin->setText(QString::number(g.ExamMinutes));
        }
    }
    cbNumero->setEnabled(!exam);
    lstElencoFiltri->setEnabled(!exam);
    // The exam's time is part of the simulation: it cannot be changed either.
    const bool timeLocked = exam && g.ExamHours + g.ExamMinutes >= 1;
    ckAbilitaTempo->setEnabled(!timeLocked);
    txtOre->setEnabled(!timeLocked);
    txtMin->setEnabled(!timeLocked);
    ApplyTimeBox();

    const bool fromNumber = mode == OrderGazzetta;
    lbHdrNumeroIniziale->setVisible(fromNumber);
    txtNumeroIniziale->setVisible(fromNumber);
    ShowDueToday();
}

void frmStart::ShowDueToday()
{
    const auto& g = Shared();
    const int row = lstElencoFiltri->currentRow();
    if (cbOrdine->currentIndex() != OrderRipasso || row < 0 || g.Filters.empty()) {
        lbDaRipassare->setVisible(false);
        return;
    }
    try {
        TestRequest request = g.Request();
        request.ApplyTopicFilter(g.Filters[static_cast<size_t>(std::min(row, static_cast<int>(g.Filters.size()) - 1))]);
        if (!m_dueToday) {
            // The whole bank and its log, once: a change of topic is counted from memory.
            cMousePointer pointer;
            pointer.SetWait();
            auto due = std::make_unique<DueToday>();
            due->Load(request, Clock::Today());
            m_dueToday = std::move(due);
        }
        lbDaRipassare->setText(QStringLiteral("Da ripassare oggi: %1 quesiti").arg(m_dueToday->Count(request)));
        lbDaRipassare->setVisible(true);
    } catch (const std::exception&) {
        // As the start screen's other options: a bank that does not read shows nothing.
        lbDaRipassare->setVisible(false);
    }
}

void frmStart::ApplyTopicFilter() { Shared().ApplyTopicFilter(lstElencoFiltri->currentRow()); }

void frmStart::SelectTheme()
{
    auto& g = Shared();
    const int row = cbTema->currentIndex();
    if (g.Themes && g.Themes->Count() > 0) g.CurrentTheme = g.Themes->Item(std::clamp(row, 0, g.Themes->Count() - 1) + 1);
}

void frmStart::Execute()
{
    const auto& g = Shared();
    AnswerLog(g.CurrentFiles().log).WriteBuild(g.Request());
    m_built = ModFunzioni::EstraiQuesiti(g.Request());
}

void frmStart::BeginTest(bool forPrint)
{
    auto& g = Shared();
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
        if (!DiscardInterrupted()) return;
        g.TimeLimitHours = limit->hours;
        g.TimeLimitMinutes = limit->minutes;
    }
    g.KeepAnswerOrder = ckDontMixAnswers->isChecked();
    g.RecordWrongAnswers = ckRecordBad->isChecked();
    g.OrderMode = std::max(0, cbOrdine->currentIndex());
    ApplyTopicFilter();
    g.QuestionCount = StartRules::WholeNumber(cbNumero->currentText()).value_or(0);
    g.StartNumber = StartRules::WholeNumber(txtNumeroIniziale->text()).value_or(1);
    g.Codes.clear();
    SelectTheme();
    BuildAndHandOver(forPrint);
}

void frmStart::BuildAndHandOver(bool forPrint)
{
    auto& g = Shared();
    g.TestSet.reset();
    g.ResumeIndex = -1;
    g.ResumeCorrect = 0;
    g.ResumeRecord.reset();
    m_sessionLoaded = false;
    m_built = Fail(Failure::Kind::NothingFound);
    try {
        RunModal(*this, this);
    } catch (const std::exception& e) {
        // A fault of the program, not a filter that found nothing.
        Prompts::Tell(UnexpectedError("Errore inaspettato nell'estrazione dei quesiti", ErrorText::Describe(e)));
        RestartStart();
        return;
    }
    if (!m_built) {
        Prompts::Tell(m_built.error().kind == Failure::Kind::NothingFound
                          ? TestMessages::NothingFound()
                          : UnexpectedError("Errore inaspettato nell'estrazione dei quesiti", m_built.error().description));
        RestartStart();
        return;
    }
    const ModFunzioni::BuiltTest built = std::move(*m_built);
    m_built = Fail(Failure::Kind::NothingFound);
    if (forPrint) {
        if (const auto printable = StartRules::Printable(built.TestSet->Count()); !printable) {
            Prompts::Tell(kAttenzione, QtText::FromUtf8(printable.error().description), MessageIcon::Exclamation);
        } else {
            // Removed as soon as the wizard has ended.
            const PrintTempFile temp;
            const auto saved = temp.Path().and_then([&](const std::filesystem::path& path) {
                return SessionFile::Write(path, TestRecord::Of(g.Request(), *built.TestSet, 0));
            });
            if (saved)
                LaunchPrint(*temp.Path());
            else
                Prompts::Tell(UnexpectedError("Errore inaspettato nella registrazione della sessione",
                                              saved.error().description));
        }
        RestartStart();
        return;
    }
    g.Document = built.Document;
    g.RecordStore = built.RecordStore;
    g.TestSet = built.TestSet;
    TellStatistics(built);
    // The interrupted test the user chose to discard.
    InterruptedTest::Remove(g.CurrentFiles().interrupted);
    close();
    HandOverToQuiz();
}

void frmStart::TellStatistics(const ModFunzioni::BuiltTest& test)
{
    if (test.StatisticsProblem) Prompts::Tell(TestMessages::StatisticsUnavailable());
    else if (test.StatisticsDamaged) Prompts::Tell(TestMessages::StatisticsDamaged());
}

void frmStart::LoadSession()
{
    if (!DiscardInterrupted()) return;
    const QString file = Prompts::OpenFile(QStringLiteral("Selezionare la sessione da caricare"),
                                           Prompts::SessionFileFilter());
    if (file.isEmpty()) return;
    OpenSession(QtText::ToPath(file), SessionLoader::Mode::Suspended);
}

void frmStart::ResumeInterrupted() { OpenSession(Shared().CurrentFiles().interrupted, SessionLoader::Mode::Interrupted); }

void frmStart::OpenSession(const std::filesystem::path& path, SessionLoader::Mode mode)
{
    Expected<SessionLoader::LoadedTest> loaded;
    {
        cMousePointer pointer;
        pointer.SetWait();
        loaded = SessionLoader::Load(path, CurrentCheck(), mode);
    }
    const bool interrupted = mode == SessionLoader::Mode::Interrupted;
    if (!loaded) {
        const Failure& failure = loaded.error();
        if (!interrupted) {
            Prompts::Tell(TestMessages::SessionNotLoaded(failure));
        } else if (failure.kind == Failure::Kind::WrongDataFile) {
            cmdRiprendi->setVisible(false);
        } else {
            // It can never be resumed: told once, and set aside.
            SetAsideInterrupted(failure);
        }
        return;
    }
    auto& g = Shared();
    g.SetRequest(loaded->Request);
    g.Document = loaded->Test.Document;
    g.RecordStore = loaded->Test.RecordStore;
    g.TestSet = loaded->Test.TestSet;
    g.ResumeIndex = loaded->ResumeIndex;
    g.ResumeCorrect = loaded->ResumeCorrect;
    if (interrupted) g.ResumeRecord = loaded->Record;
    else g.ResumeRecord.reset();
    SelectTheme();
    m_sessionLoaded = true;
    TellStatistics(loaded->Test);
    // A suspended test loaded takes the place of the interrupted one the user discarded.
    if (!interrupted) InterruptedTest::Remove(g.CurrentFiles().interrupted);
    close();
    HandOverToQuiz();
}

void frmStart::OpenStorico()
{
    // A test repeated takes the answer options shown here.
    Shared().KeepAnswerOrder = ckDontMixAnswers->isChecked();
    Shared().RecordWrongAnswers = ckRecordBad->isChecked();
    const auto repeat = frmStorico::ShowModal(this);
    if (!repeat) return;
    // As any test: the answer options of the start screen, the same questions first.
    if (StartRules::ReducedRandomness(repeat->KeepAnswerOrder, repeat->OrderMode) &&
        !Prompts::Confirm(kAttenzione, StartRules::ReducedRandomnessQuestion(), MessageIcon::Exclamation))
        return;
    if (!DiscardInterrupted()) return;
    auto& g = Shared();
    g.SetRequest(*repeat);
    SelectTheme();
    BuildAndHandOver(false);
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
    auto& g = Shared();
    g.PrintSourcePath = path.string();
    g.ShuffleText = TextConvert::FromBool(!g.KeepAnswerOrder);
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
    // Without a quiz screen (a build of the start screen alone), the test
    // built is left in the shared state and a fresh start window follows.
    ShowNew();
}
