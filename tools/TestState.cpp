#include "tools/TestState.h"

#include "bank/ProgramFolder.h"

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
    ProgramFolder::Set(path.parent_path());
    TestRequest request;
    // The bank given is the program's own data file.
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
