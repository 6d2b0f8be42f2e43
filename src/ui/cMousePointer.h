#pragma once

#include <Qt>

#include <optional>

// Changes the application's mouse pointer and puts the previous one back when
// it goes out of scope.
class cMousePointer {
public:
    cMousePointer() = default;
    cMousePointer(const cMousePointer&) = delete;
    cMousePointer& operator=(const cMousePointer&) = delete;
    ~cMousePointer();

    // The pointer in effect: an override shape, or nothing for the normal pointer.
    static std::optional<Qt::CursorShape> Pointer();
    // Remembers the pointer in effect, then shows p.
    void SetPointer(Qt::CursorShape p);
    // The hourglass.
    void SetWait() { SetPointer(Qt::WaitCursor); }

private:
    bool m_saved = false;
    std::optional<Qt::CursorShape> m_savedPointer;
    int m_pushed = 0;
};
