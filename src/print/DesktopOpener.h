#pragma once

#include "DocumentOpener.h"

// Opens a finished document with the desktop's default application for it.
class DesktopOpener : public word::DocumentOpener {
public:
    bool Open(const std::filesystem::path& document) override;
};
