#pragma once

#include <string>

// A long operation run inside the progress window (frmModal). Texts are UTF-8.
class IModalProcess {
public:
    virtual ~IModalProcess() = default;

    // Whether the user may cancel: decides the cancel button and the pointer.
    virtual bool AbortAllowed() const { return false; }
    // Empty: the window's default caption.
    virtual std::string WindowCaption() const { return {}; }
    // Empty: the window's default text.
    virtual std::string WindowText() const { return {}; }
    // The whole operation, synchronously.
    virtual void Execute() {}
    // The cancel button was pressed: leave a note the operation checks between steps.
    virtual void Abort() {}
};
