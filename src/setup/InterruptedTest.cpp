#include "setup/InterruptedTest.h"

#include "bank/DataFolders.h"
#include "bank/ErrorText.h"

#include "setup/SessionFile.h"

#include <system_error>

namespace InterruptedTest {

Expected<Offer> Look(const std::filesystem::path& file, const SessionLoader::Check& check)
{
    std::error_code ec;
    if (file.empty() || !std::filesystem::exists(file, ec)) return Fail(Failure::Kind::NothingFound);
    // Where nothing can be written the file is a leftover that no test can
    // replace or remove any more: resuming it would bring back an older test.
    if (!DataFolders::IsWritable(file.parent_path())) return Fail(Failure::Kind::NothingFound);
    const auto readable = SessionLoader::Readable(file, check, SessionLoader::Mode::Interrupted);
    if (!readable) return tl::unexpected(readable.error());
    const auto contents = SessionFile::Read(file, check.current);
    Offer offer;
    offer.answered = contents->record.Answered();
    offer.total = static_cast<int32_t>(contents->record.Items.size());
    // Day and time to the minute.
    offer.saved = contents->record.Written.substr(0, 16);
    return offer;
}

std::string Caption(const Offer& offer)
{
    std::string details = std::to_string(offer.answered) + " di " + std::to_string(offer.total);
    if (!offer.saved.empty()) details += ", " + offer.saved;
    return "Riprendi il test interrotto (" + details + ")";
}

Expected<void> SetAside(const std::filesystem::path& file)
{
    auto aside = file;
    aside += ".danneggiato";
    std::error_code ec;
    std::filesystem::rename(file, aside, ec);
    if (ec) return Fail(ErrorText::DescribeSystemError(ec));
    return {};
}

void Remove(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!file.empty()) std::filesystem::remove(file, ec);
}

}  // namespace InterruptedTest
