#pragma once

#include <filesystem>
#include <string>

// Every file of one bank: the data file where it was found, and what the
// program writes for it, all in the folder DataFolders::WritableFolderFor
// chooses. The one place that names them.
struct BankFiles {
    std::filesystem::path data;         // <bank>
    std::filesystem::path record;       // <bank>.rec, the statistics
    std::filesystem::path log;          // <bank stem>.log
    std::filesystem::path interrupted;  // <bank>.interrotto.test, the test kept after every answer
    std::filesystem::path history;      // <bank stem>.storico, every finished test
    std::filesystem::path lock;         // <bank>.lock, held by the program running on it (BankLock)

    // The bank of that name as the program looks it up (DataFolders::BankPath).
    // Creates the per-user folder when that is where the files go.
    static BankFiles For(const std::string& bankName);
    // A bank at a known path (the bank tool).
    static BankFiles ForPath(const std::filesystem::path& bank);
};
