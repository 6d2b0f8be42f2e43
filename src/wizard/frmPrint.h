#pragma once

#include <QDialog>

#include <vector>

class IStep;
class QLabel;
class QPushButton;
class QStackedLayout;

// The print wizard "Stampa quesiti": seven pages that load the test written
// by the start screen, collect the layout and the details to print, build the
// document and end. The window owns the page sequence and three buttons; the
// pages do the work.
class frmPrint : public QDialog {
    Q_OBJECT

public:
    explicit frmPrint(QWidget* parent = nullptr);
    ~frmPrint() override;

    // Opens the wizard on ModGlobal::PrintSourcePath and returns when it closes.
    static void ShowModal(QWidget* parent = nullptr);

    // The page on screen.
    IStep* CurrentInterface() const;
    int CurrentStep() const { return m_currentStep; }
    int StepCount() const { return static_cast<int>(m_steps.size()); }
    bool ExitRequested() const { return m_exitRequested; }

    void ShowStep(int n);
    void GoForward();
    void GoBack();
    void UpdateButtons();
    void CloseWizard();
    void EnableButtons(bool back, bool next, bool exit);

protected:
    // Escape and the close box: refused while a page has disabled Exit.
    void reject() override;

private:
    struct Step {
        QWidget* page;
        IStep* step;
        bool initialized;
    };

    template <typename Page>
    void AddStep(Page* page);
    void BuildControls();

    std::vector<Step> m_steps;
    int m_currentStep = 0;
    bool m_exitRequested = false;

    QLabel* lbLogo = nullptr;
    QLabel* lbHeader = nullptr;
    QLabel* lbDesc = nullptr;
    QWidget* picContainer = nullptr;
    QStackedLayout* m_stack = nullptr;
    QPushButton* cmdWalk[2] = {nullptr, nullptr};
    QPushButton* cmdEsci = nullptr;
};
