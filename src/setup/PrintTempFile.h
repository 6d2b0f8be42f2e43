#pragma once

#include "bank/Failure.h"

#include <filesystem>

// The file "trprint2.tmp" that carries a test to the print wizard, in a folder
// made for one print run in the temporary folder, open to this user alone: it
// is never in another user's or another run's way. The folder goes with the
// object, once the wizard has ended.
class PrintTempFile {
public:
    PrintTempFile();
    ~PrintTempFile();
    PrintTempFile(const PrintTempFile&) = delete;
    PrintTempFile& operator=(const PrintTempFile&) = delete;

    // Where to write the test, or why the folder could not be made.
    const Expected<std::filesystem::path>& Path() const { return m_path; }

private:
    std::filesystem::path m_folder;
    Expected<std::filesystem::path> m_path;
};
