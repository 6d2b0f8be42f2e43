#pragma once

#include "wizard/IStep.h"

#include <QWidget>

class QLabel;

// Page 3: the layout of the questions, chosen by clicking one of two previews
// or its caption. Next stays disabled until one is chosen.
class ucsFormato : public QWidget, public IStep {
    Q_OBJECT

public:
    explicit ucsFormato(QWidget* parent = nullptr);

    QString AHeader() const override { return QStringLiteral("Formato di stampa"); }
    QString ADescription() const override { return QStringLiteral("Selezionare il formato di stampa dei quesiti"); }
    bool ForwardOnly() const override { return false; }
    // Until a layout is chosen Next stays disabled, also when the user comes back from page 2.
    void Enter() override;
    void Initialize() override {}
    // A long list takes time to lay out: from this many questions the user is asked first.
    static constexpr int LargeListWarning = 500;
    bool Validate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int index);

    QLabel* lbTitolo = nullptr;
    QLabel* picFormat[2] = {nullptr, nullptr};
    QLabel* lbHeaderFormato[2] = {nullptr, nullptr};
};
