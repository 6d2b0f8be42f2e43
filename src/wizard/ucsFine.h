#pragma once

#include "wizard/IStep.h"

#include <QWidget>

class QLabel;
class QPushButton;

// Page 7: the end. Next reads "&Fine" and closes the wizard. When the document
// was saved, the page says where and offers to open its folder.
class ucsFine : public QWidget, public IStep {
    Q_OBJECT

public:
    explicit ucsFine(QWidget* parent = nullptr);

    QString AHeader() const override { return QStringLiteral("Fine operazione"); }
    QString ADescription() const override { return QStringLiteral("Arrivederci al prossimo documento!"); }
    bool ForwardOnly() const override { return true; }
    void Enter() override;
    void Initialize() override {}
    bool Validate() override { return true; }

private:
    void OpenFolder();

    QWidget* m_saved = nullptr;
    QLabel* lbPercorso = nullptr;
};
