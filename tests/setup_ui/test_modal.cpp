#include "setup/cMousePointer.h"
#include "setup/frmModal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace {

// Notes what the progress window looked like while the operation ran.
class ProbeProcess : public IModalProcess {
public:
    bool abortAllowed = false;
    std::string caption;
    std::string text;
    bool clickCancel = false;
    bool fail = false;

    bool AbortAllowed() const override { return abortAllowed; }
    std::string WindowCaption() const override { return caption; }
    std::string WindowText() const override { return text; }
    void Abort() override { ++aborts; }
    void Execute() override
    {
        window = qobject_cast<frmModal*>(QApplication::activeModalWidget());
        if (window) {
            shownTitle = window->windowTitle();
            shownText = window->findChild<QLabel*>("lbText")->text();
            auto* annulla = window->findChild<QPushButton*>("cmdAnnulla");
            cancelShown = annulla->isVisible() && annulla->isEnabled();
            closeShown = window->findChild<QPushButton*>("cmdChiudi")->isVisible();
            if (clickCancel) {
                QTest::mouseClick(annulla, Qt::LeftButton);
                QCoreApplication::processEvents();
            }
        }
        pointer = cMousePointer::Pointer();
        ++runs;
        if (fail) throw std::runtime_error("guasto");
    }

    frmModal* window = nullptr;
    QString shownTitle, shownText;
    bool cancelShown = false, closeShown = true;
    std::optional<Qt::CursorShape> pointer;
    int runs = 0, aborts = 0;
};

}  // namespace

TEST(ModalRunner, RunsTheOperationUnderTheHourglassWithDefaultTexts)
{
    ProbeProcess process;
    RunModal(process);
    EXPECT_EQ(process.runs, 1);
    ASSERT_NE(process.window, nullptr);
    EXPECT_EQ(process.shownTitle, "Attendere prego.");
    EXPECT_EQ(process.shownText, "Elaborazione in corso...");
    EXPECT_FALSE(process.cancelShown);
    EXPECT_FALSE(process.closeShown);
    EXPECT_EQ(process.pointer, Qt::WaitCursor);
    // The window is gone and the pointer is back.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(cMousePointer::Pointer(), std::nullopt);
}

TEST(ModalRunner, CancellableOperationKeepsThePointerAndOffersAnnulla)
{
    ProbeProcess process;
    process.abortAllowed = true;
    process.caption = "Statistiche";
    process.text = "Analisi in corso...";
    process.clickCancel = true;
    RunModal(process);
    EXPECT_EQ(process.shownTitle, "Statistiche");
    EXPECT_EQ(process.shownText, "Analisi in corso...");
    EXPECT_TRUE(process.cancelShown);
    EXPECT_EQ(process.aborts, 1);
    EXPECT_EQ(process.pointer, std::nullopt);
}

TEST(ModalRunner, AFailingOperationIsReportedToTheCallerAndThePointerRestored)
{
    ProbeProcess process;
    process.fail = true;
    EXPECT_THROW(RunModal(process), std::runtime_error);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(cMousePointer::Pointer(), std::nullopt);
}

TEST(MousePointer, RestoresThePointerInEffectBeforeTheLastSetting)
{
    {
        cMousePointer pointer;
        pointer.SetWait();
        EXPECT_EQ(cMousePointer::Pointer(), Qt::WaitCursor);
    }
    EXPECT_EQ(cMousePointer::Pointer(), std::nullopt);

    {
        cMousePointer outer;
        outer.SetPointer(Qt::CrossCursor);
        {
            cMousePointer inner;
            inner.SetPointer(Qt::WaitCursor);
            inner.SetPointer(Qt::IBeamCursor);
        }
        EXPECT_EQ(cMousePointer::Pointer(), Qt::WaitCursor);
        while (QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor)
            QApplication::restoreOverrideCursor();
        EXPECT_EQ(cMousePointer::Pointer(), Qt::CrossCursor);
    }
    EXPECT_EQ(cMousePointer::Pointer(), std::nullopt);
}
