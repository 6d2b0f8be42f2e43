#include "support/WindowTest.h"

#include "ui/AppSettings.h"
#include "ui/ModGlobal.h"
#include "ui/ModWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTest>

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

void PrintTo(const QColor& colour, std::ostream* os)
{
    *os << "RGB(" << colour.red() << "," << colour.green() << "," << colour.blue() << ")";
}

namespace support {

void WindowTest::SetUp()
{
    ProgramTest::SetUp();
    // What the program asks the desktop for (SubMain) is in the scratch folder too.
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString((root / "desktop").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((root / "home").string()));
    AppSettings::UseFile(SettingsFile());
    ModWindows::Reset();
    ModGlobal::Reset();
    ModGlobal::InitGlobals();
    auto& g = ModGlobal::Shared();
    g.CurrentDataFile = g.DataFileName;
    g.DefineFilters();
    g.DefineExamSets();
}

void WindowTest::TearDown()
{
    ModWindows::Reset();
    for (QWidget* w : TopLevels())
        if (w->isVisible()) w->close();
    DeleteClosed();
    AppSettings::UseFile({});
    ModGlobal::Reset();  // closes the statistics file before its folder goes
    ProgramTest::TearDown();
}

QString WindowTest::SettingsFile() const { return QString::fromStdString((root / "settings.ini").string()); }

void WindowTest::Store(const QString& key, const QString& value)
{
    QSettings ini(SettingsFile(), QSettings::IniFormat);
    ini.setValue("RCV/" + key, value);
}

QString WindowTest::Stored(const QString& key) const
{
    QSettings ini(SettingsFile(), QSettings::IniFormat);
    return ini.value("RCV/" + key).toString();
}

void WindowTest::Click(QWidget* window, const QString& button)
{
    if (auto* b = Child<QWidget>(window, button)) QTest::mouseClick(b, Qt::LeftButton);
}

void WindowTest::DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

std::vector<QWidget*> WindowTest::TopLevels()
{
    const auto list = QApplication::topLevelWidgets();
    return {list.begin(), list.end()};
}

std::vector<std::string> UnnamedControls(QWidget* window)
{
    std::vector<std::string> unnamed;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(child);
        if ((button || child->focusPolicy() != Qt::NoFocus) && !child->objectName().startsWith("qt_") &&
            child->accessibleName().isEmpty() && !(button && !button->text().isEmpty()))
            unnamed.push_back(child->objectName().toStdString());
    }
    return unnamed;
}

ModalCloser::ModalCloser()
{
    m_timer.setInterval(2);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() == QLatin1String("frmModal") || !dialog->isVisible()) return;
        seen.push_back(dialog->objectName());
        if (onDialog) onDialog(dialog);
        if (dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
    });
    m_timer.start();
}

}  // namespace support
