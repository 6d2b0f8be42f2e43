#pragma once

#include "wizard/IStep.h"

#include <QWidget>

class QCheckBox;

// Page 4: the details printed beside each question. The difficulty is never
// printed: its box is shown unchecked and disabled.
class ucsOpzioni1 : public QWidget, public IStep {
    Q_OBJECT

public:
    explicit ucsOpzioni1(QWidget* parent = nullptr);

    QString AHeader() const override { return QStringLiteral("Opzioni"); }
    QString ADescription() const override { return QStringLiteral("Indicare le impostazioni del documento"); }
    bool ForwardOnly() const override { return false; }
    void Enter() override;
    void Initialize() override {}
    bool Validate() override;

private:
    QCheckBox* ckArgomenti = nullptr;
    QCheckBox* ckNumeri = nullptr;
    QCheckBox* ckDifficolta = nullptr;
};
