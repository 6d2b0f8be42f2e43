#pragma once

#include "windows/IModalProcess.h"

#include <QDialog>

#include <exception>
#include <memory>

class QLabel;
class QPushButton;
class cMousePointer;

// The small progress window a long operation runs in: it shows a caption and
// a line of text, runs the operation once it is on screen, then closes.
class frmModal : public QDialog {
    Q_OBJECT

public:
    explicit frmModal(IModalProcess& process, QWidget* parent = nullptr);
    ~frmModal() override;

    // What Execute threw, for RunModal to pass on.
    std::exception_ptr Error() const { return m_error; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void FirstActivation();

    IModalProcess& m_process;
    bool m_firstActivation = true;
    bool m_finished = false;
    std::unique_ptr<cMousePointer> m_pointer;
    std::exception_ptr m_error;
    QLabel* lbText = nullptr;
    QPushButton* cmdAnnulla = nullptr;
    QPushButton* cmdChiudi = nullptr;
};

// Shows the progress window modally and returns when process.Execute() has
// finished; an exception of Execute is thrown again here.
void RunModal(IModalProcess& process, QWidget* parent = nullptr);
