#pragma once

// A fresh program with windows: ProgramTest plus a throw-away settings file,
// scripted prompts and no window hooks, and helpers to find and press controls.

#include "support/ProgramTest.h"
#include "support/ScriptedPrompts.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class QDialog;

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QColor& colour, std::ostream* os);

namespace support {

class WindowTest : public ProgramTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Settings as a previous run stored them, and as the program left them.
    void Store(const QString& key, const QString& value);
    QString Stored(const QString& key) const;

    template <typename T>
    static T* Child(QWidget* window, const QString& name)
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    static void Click(QWidget* window, const QString& button);
    // Deletes the windows closed so far (they go with the next event loop run otherwise).
    static void DeleteClosed();
    // The visible top-level windows of type T.
    template <typename T>
    static std::vector<T*> Windows()
    {
        std::vector<T*> found;
        for (QWidget* w : TopLevels())
            if (auto* t = dynamic_cast<T*>(w); t && t->isVisible()) found.push_back(t);
        return found;
    }

    ScriptedPrompts prompts;

private:
    static std::vector<QWidget*> TopLevels();
    QString SettingsFile() const;
};

// The controls of a window a screen reader could not name: those that take
// the focus or are pressed, without an accessible name or a text of their own.
std::vector<std::string> UnnamedControls(QWidget* window);

// Closes the modal dialogs a window opens (result window, viewers) as soon as
// they are on screen, after letting a test look at them; the progress window
// is left alone.
class ModalCloser : public QObject {
public:
    ModalCloser();
    std::vector<QString> seen;
    std::function<void(QDialog*)> onDialog;

private:
    QTimer m_timer;
};

}  // namespace support
