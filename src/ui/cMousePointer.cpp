#include "ui/cMousePointer.h"

#include <QApplication>
#include <QCursor>

std::optional<Qt::CursorShape> cMousePointer::Pointer()
{
    if (const QCursor* cursor = QApplication::overrideCursor()) return cursor->shape();
    return std::nullopt;
}

void cMousePointer::SetPointer(Qt::CursorShape p)
{
    m_saved = true;
    m_savedPointer = Pointer();
    QApplication::setOverrideCursor(QCursor(p));
    ++m_pushed;
}

cMousePointer::~cMousePointer()
{
    if (!m_saved) return;
    for (; m_pushed > 0; --m_pushed) QApplication::restoreOverrideCursor();
    // Set twice, the pointer goes back to the one before the second setting.
    if (m_savedPointer && Pointer() != m_savedPointer) QApplication::setOverrideCursor(QCursor(*m_savedPointer));
}
