#pragma once

#include "wizard/IStep.h"

#include <QWidget>

class QTimer;

// Page 1: loads the questions to print into a new builder, once the page is
// on screen, then moves on by itself. A file that cannot be loaded is
// reported and the wizard ends.
class ucsStartup : public QWidget, public IStep {
    Q_OBJECT

public:
    explicit ucsStartup(QWidget* parent = nullptr);

    QString AHeader() const override { return QStringLiteral("Attendere!"); }
    QString ADescription() const override { return QStringLiteral("E' in corso l'avvio della stampa..."); }
    bool ForwardOnly() const override { return false; }
    void Enter() override;
    void Initialize() override;
    bool Validate() override { return true; }

private:
    void Starter();

    QTimer* timStarter = nullptr;
};
