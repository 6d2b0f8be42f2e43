#pragma once

#include "bank/Failure.h"

#include "setup/ModFunzioni.h"
#include "setup/SessionLoader.h"

#include "windows/IModalProcess.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>

class DueToday;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

// The window the program opens on and comes back to after every test: the
// user sets up a test and starts, prints or resumes one.
class frmStart : public QWidget, public IModalProcess {
    Q_OBJECT

public:
    explicit frmStart(QWidget* parent = nullptr);
    ~frmStart() override;

    // A new start window, deleted when it closes.
    static frmStart* ShowNew();
    // A new start window that, once on screen, loads the suspended test at
    // `path` as "Carica un test in sospeso" loads the file the user picks.
    static frmStart* ShowNewLoading(const std::filesystem::path& path);

    // The test build, run inside the progress window.
    std::string WindowText() const override { return "Estrazione quesiti in corso..."; }
    void Execute() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildLayout();
    void FillLists();
    void FirstActivation();
    void LoadSettings();
    void SaveSettings();
    void SelectArea(int area);
    void LoadTopicList(const std::string& fileName);
    void ApplyOrderOptions();
    // "Da ripassare oggi" for the chosen topic row, while the review schedule is the ordering.
    void ShowDueToday();
    void ApplyTopicFilter();
    void SelectTheme();
    void ApplyTimeBox();
    void BeginTest(bool forPrint);
    void LoadSession();
    void ResumeInterrupted();
    void OpenSession(const std::filesystem::path& path, SessionLoader::Mode mode);
    SessionLoader::Check CurrentCheck() const;
    // The interrupted test of the bank, offered on "Riprendi il test interrotto".
    void OfferInterrupted();
    void SetAsideInterrupted(const Failure& failure);
    // Asks before a new test replaces the interrupted one; true to go on.
    bool DiscardInterrupted();
    // What the user must know of the statistics file before a test starts.
    static void TellStatistics(const ModFunzioni::BuiltTest& test);
    void OpenStatistics();
    void OpenAndamento();
    void OpenStorico();
    // Builds the test the shared state asks for (or for printing) and hands it over.
    void BuildAndHandOver(bool forPrint);
    void LaunchPrint(const std::filesystem::path& path);
    // The file a test to print is handed over in.
    void RestartStart();
    void Restart();
    void HandOverToQuiz();

    bool m_firstActivation = true;
    bool m_sessionLoaded = false;
    Expected<ModFunzioni::BuiltTest> m_built = Fail(Failure::Kind::NothingFound);
    std::unique_ptr<DueToday> m_dueToday;  // read when the review schedule is first chosen

    QLabel* lbArgomenti = nullptr;
    QListWidget* lstElencoFiltri = nullptr;
    QLabel* lbDaRipassare = nullptr;
    QLabel* lbSelezioneArea = nullptr;
    QRadioButton* optArea[2] = {nullptr, nullptr};
    QLabel* Label13 = nullptr;
    QComboBox* cbNumero = nullptr;
    QLabel* Label12 = nullptr;
    QComboBox* cbOrdine = nullptr;
    QLabel* lbHdrNumeroIniziale = nullptr;
    QLineEdit* txtNumeroIniziale = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* ckAbilitaTempo = nullptr;
    QWidget* picBack = nullptr;
    QLineEdit* txtOre = nullptr;
    QLineEdit* txtMin = nullptr;
    QCheckBox* ckDontMixAnswers = nullptr;
    QCheckBox* ckRecordBad = nullptr;
    QCheckBox* ckLowerCase = nullptr;
    QCheckBox* ckRevisione = nullptr;
    QLabel* Label15 = nullptr;
    QComboBox* cbTema = nullptr;
    QPushButton* cmdInizia = nullptr;
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdCarica = nullptr;
    QPushButton* cmdRiprendi = nullptr;
    QPushButton* cmdStatistiche = nullptr;
    QPushButton* cmdAndamento = nullptr;
    QPushButton* cmdStorico = nullptr;
    QPushButton* cmdEsci = nullptr;
    QTimer* timRestarter = nullptr;
};
