#pragma once

#include "wizard/IStep.h"

#include <QWidget>

// Page 5: everything is ready; Next builds the document.
class ucsConferma : public QWidget, public IStep {
    Q_OBJECT

public:
    explicit ucsConferma(QWidget* parent = nullptr);

    QString AHeader() const override { return QStringLiteral("Clicca su Avanti!"); }
    QString ADescription() const override
    {
        return QStringLiteral("Tutto è pronto per la generazione del documento");
    }
    bool ForwardOnly() const override { return false; }
    void Enter() override {}
    void Initialize() override {}
    bool Validate() override { return true; }
};
