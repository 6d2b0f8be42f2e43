#pragma once

#include <QDialog>

#include <filesystem>
#include <memory>

class QLabel;
class QPushButton;
class cQuesito;

// The picture of a question, from a file beside the bank. A missing or
// unreadable file leaves the picture empty, without a message.
class frmImmagineDyn : public QDialog {
    Q_OBJECT

public:
    frmImmagineDyn(std::shared_ptr<cQuesito> question, QWidget* parent = nullptr);

    // The program folder joined with the decoded image name.
    static std::filesystem::path ImagePath(const cQuesito& question);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutWindow();

    std::shared_ptr<cQuesito> m_question;
    QLabel* picImg = nullptr;
    QPushButton* cmdChiudi = nullptr;
};
