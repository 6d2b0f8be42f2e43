#pragma once

#include "print/DocumentOpener.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace word {

// What making the application visible does with its documents: each is saved
// as a .docx under a new name in a folder, then opened.
struct SaveOptions {
    // Empty: the user's documents folder (created when missing).
    std::filesystem::path folder;
    // The new name is this, the date and time, and " (2)", " (3)"… when taken.
    std::string baseName = "Documento";
    // When set, the document is saved exactly there, replacing a file of that name.
    std::filesystem::path exactPath;
    bool open = true;
    // Null: DocumentOpener::Default().
    std::shared_ptr<DocumentOpener> opener;
    std::function<std::chrono::system_clock::time_point()> now = [] { return std::chrono::system_clock::now(); };
};

}  // namespace word
