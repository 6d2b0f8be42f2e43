// The progress window a long operation runs in, and the pointer it shows.
#include "ui/cMousePointer.h"
#include "windows/frmModal.h"

#include "support/WindowTest.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace {

// Notes what the progress window showed while the operation ran: its caption,
// text, "Annulla" when that could be pressed, and the pointer.
struct ProbeProcess : IModalProcess {
    bool abortAllowed = false, fail = false;
    std::string caption, text;
    QStringList shown;
    int aborts = 0;

    bool AbortAllowed() const override { return abortAllowed; }
    std::string WindowCaption() const override { return caption; }
    std::string WindowText() const override { return text; }
    void Abort() override { ++aborts; }
    void Execute() override
    {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_TRUE(window);
        auto* annulla = window->findChild<QPushButton*>("cmdAnnulla");
        shown << window->windowTitle() << window->findChild<QLabel*>("lbText")->text()
              << (annulla->isVisible() && annulla->isEnabled() ? "Annulla" : "")
              << (cMousePointer::Pointer() == Qt::WaitCursor ? "clessidra" : "");
        if (abortAllowed) QTest::mouseClick(annulla, Qt::LeftButton);
        if (fail) throw std::runtime_error("guasto");
    }
};

TEST(ModalRunner, RunsTheOperationOnceUnderTheHourglassUnlessItCanBeCancelled)
{
    ProbeProcess quiet;
    RunModal(quiet);
    EXPECT_EQ(quiet.shown.join("|"), "Attendere prego.|Elaborazione in corso...||clessidra");
    ProbeProcess cancellable;
    cancellable.abortAllowed = true;
    cancellable.caption = "Statistiche";
    cancellable.text = "Analisi in corso...";
    RunModal(cancellable);
    EXPECT_EQ(cancellable.shown.join("|"), "Statistiche|Analisi in corso...|Annulla|");
    EXPECT_EQ(cancellable.aborts, 1);
    // A failing operation reaches the caller; the window and the hourglass are gone.
    ProbeProcess failing;
    failing.fail = true;
    EXPECT_THROW(RunModal(failing), std::runtime_error);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(cMousePointer::Pointer(), std::nullopt);
}

TEST(MousePointer, SetTwiceRestoresThePointerBeforeTheSecondSetting)
{
    {
        cMousePointer pointer;
        pointer.SetPointer(Qt::CrossCursor);
        pointer.SetWait();
    }
    EXPECT_EQ(cMousePointer::Pointer(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
}

}  // namespace
