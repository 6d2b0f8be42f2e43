#include "ui/ModWindows.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ModWindows {

std::function<void()> ShowStartScreen;
std::function<void(const std::filesystem::path&)> ShowStartScreenLoading;
std::function<void()> ShowQuizScreen;
std::function<void()> ShowStatistics;
std::function<void()> ShowAndamento;
std::function<void()> ShowPrintWizard;
std::function<void(const cQuesiti&, const HistoryEntry&)> ShowReview;

void Reset()
{
    ShowStartScreen = nullptr;
    ShowStartScreenLoading = nullptr;
    ShowQuizScreen = nullptr;
    ShowStatistics = nullptr;
    ShowAndamento = nullptr;
    ShowPrintWizard = nullptr;
    ShowReview = nullptr;
}

bool AnyWindowVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop) continue;
        if (w->isVisible()) return true;
    }
    return false;
}

namespace {

class QuitWatcher : public QObject {
public:
    QuitWatcher(QObject* parent, std::function<void()> quit) : QObject(parent), m_quit(std::move(quit)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && !m_pending) {
            m_pending = true;
            QTimer::singleShot(0, this, [this] {
                m_pending = false;
                if (AnyWindowVisible()) return;
                if (m_quit)
                    m_quit();
                else
                    QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    std::function<void()> m_quit;
    bool m_pending = false;
};

}  // namespace

QObject* QuitWhenNoWindowLeft(QApplication& app, std::function<void()> quit)
{
    app.setQuitOnLastWindowClosed(false);
    auto* watcher = new QuitWatcher(&app, std::move(quit));
    app.installEventFilter(watcher);
    return watcher;
}

}  // namespace ModWindows
