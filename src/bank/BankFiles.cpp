#include "bank/BankFiles.h"

#include "bank/DataFolders.h"

BankFiles BankFiles::For(const std::string& bankName) { return ForPath(DataFolders::BankPath(bankName)); }

BankFiles BankFiles::ForPath(const std::filesystem::path& bank)
{
    const auto folder = DataFolders::WritableFolderFor(bank);
    const std::string name = bank.filename().string();
    const std::string stem = bank.stem().string();
    BankFiles files;
    files.data = bank;
    files.record = folder / (name + ".rec");
    files.log = folder / (stem + ".log");
    files.interrupted = folder / (name + ".interrotto.test");
    files.history = folder / (stem + ".storico");
    files.lock = folder / (name + ".lock");
    return files;
}
