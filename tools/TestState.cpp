#include "tools/TestState.h"

#include "bank/BankFiles.h"
#include "bank/BankLock.h"
#include "bank/DataFolders.h"

#include "setup/Competition.h"

#include <charconv>
#include <fstream>
#include <iostream>

namespace TestState {

std::optional<TestRequest> UseBank(const std::filesystem::path& bank)
{
    std::error_code ec;
    const auto path = std::filesystem::absolute(bank, ec);
    if (ec || !std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary)) {
        std::cerr << bank.string() << ": cannot read the file\n";
        return std::nullopt;
    }
    // The bank given is the program's own data file, found in its own folder
    // first; that folder is written only when the program would write it.
    DataFolders::SetBankFolder(path.parent_path());
    // Held until the command ends.
    static BankLock lock(BankFiles::For(path.filename().string()).lock);
    if (lock.Take() == BankLock::State::HeldElsewhere) {
        std::cerr << bank.string() << ": the program is running on this bank; close it first\n";
        return std::nullopt;
    }
    TestRequest request;
    request.CurrentDataFile = path.filename().string();
    request.ExamSets = Competition::ExamSets();
    return request;
}

std::optional<int64_t> OptionNumber(const std::string& text)
{
    int64_t value = 0;
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (err != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace TestState
