#pragma once

#include <filesystem>
#include <memory>

namespace word {

// Opens a finished document, or its folder, with the desktop's default
// application. The program installs its own; tests install one that records
// the path.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // False when no application could open it.
    virtual bool Open(const std::filesystem::path& document) = 0;

    // The one in use; until one is installed, nothing can open a document.
    static std::shared_ptr<DocumentOpener> Default();
    static void SetDefault(std::shared_ptr<DocumentOpener> opener);
};

}  // namespace word
