#pragma once

#include "wizard/IStep.h"

#include <QWidget>

#include <memory>

class CPaginatrice;
class ProgressSlider;
class QTimer;

// Page 6: builds the document, once the page is on screen, with the progress
// bar following the builder; every button is disabled meanwhile. A failure is
// reported; either way the wizard then moves on to the last page.
class ucsElab : public QWidget, public IStep {
    Q_OBJECT

public:
    explicit ucsElab(QWidget* parent = nullptr);
    ~ucsElab() override;

    QString AHeader() const override { return QStringLiteral("Attendere!"); }
    QString ADescription() const override { return QStringLiteral("E' in corso l'elaborazione del documento"); }
    bool ForwardOnly() const override { return true; }
    void Enter() override;
    void Initialize() override {}
    bool Validate() override { return true; }

private:
    void Starter();
    void ConnectPrinter();
    void DisconnectPrinter();

    QTimer* timStarter = nullptr;
    ProgressSlider* m_slider = nullptr;
    // The builder the bar listens to, while it does.
    std::shared_ptr<CPaginatrice> m_printer;
};
