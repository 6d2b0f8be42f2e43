#pragma once

#include "print/DocumentOpener.h"

// Opens a finished document, or its folder, with the desktop's default
// application, through the desktop's opener (xdg-open), and reports what the
// opener says: it fails when no application takes the file.
class DesktopOpener : public word::DocumentOpener {
public:
    bool Open(const std::filesystem::path& document) override;
};
