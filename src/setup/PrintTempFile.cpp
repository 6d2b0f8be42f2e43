#include "setup/PrintTempFile.h"

#include "bank/DataFolders.h"

#include <cerrno>
#include <cstring>
#include <stdlib.h>
#include <string>

PrintTempFile::PrintTempFile()
{
    // mkdtemp makes the folder with mode 0700 under a name nobody else holds.
    std::string pattern = (DataFolders::TempFolder() / "tessarondequiz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        m_path = Fail("impossibile creare una cartella in " + DataFolders::TempFolder().string() + " (" +
                      std::strerror(errno) + ")");
        return;
    }
    m_folder = pattern;
    m_path = m_folder / "trprint2.tmp";
}

PrintTempFile::~PrintTempFile()
{
    if (m_folder.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
}
