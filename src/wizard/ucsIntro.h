#pragma once

#include "wizard/IStep.h"

#include <QWidget>

// Page 2: the welcome.
class ucsIntro : public QWidget, public IStep {
    Q_OBJECT

public:
    explicit ucsIntro(QWidget* parent = nullptr);

    QString AHeader() const override { return QStringLiteral("Introduzione"); }
    QString ADescription() const override { return QStringLiteral("Benvenuto nella funzione di stampa!"); }
    bool ForwardOnly() const override { return true; }
    void Enter() override {}
    void Initialize() override {}
    bool Validate() override { return true; }
};
