#include "print/Application.h"

#include "bank/ErrorText.h"

#include "print/DocumentsFolder.h"
#include "print/DocxWriter.h"
#include "print/PrintError.h"

#include <ctime>
#include <system_error>

namespace word {

namespace {

// "2026-12-06 10.15": sorts by date, and no colon, which some file systems refuse.
std::string Stamp(std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H.%M", &local);
    return buffer;
}

}  // namespace

Expected<void> Application::SetVisible(bool value)
{
    m_state.Log([&] { return std::string("Visible = ") + Bool(value); });
    const bool showing = value && !m_visible;
    m_visible = value;
    if (!showing) return {};
    for (auto& document : m_documents)
        if (document->fullName.empty())
            if (auto shown = Show(*document); !shown) return shown;
    return {};
}

Expected<void> Application::Show(DocumentData& document)
{
    auto saved = Save(document, m_options.now());
    if (!saved) return tl::unexpected(saved.error());
    document.fullName = std::move(*saved);
    if (!m_options.open) return {};
    const auto opener = m_options.opener ? m_options.opener : DocumentOpener::Default();
    if (!opener || !opener->Open(document.fullName))
        return Fail(Failure::Kind::Unavailable,
                    "Nessuna applicazione ha potuto aprire il documento \"" + document.fullName.string() + "\".");
    return {};
}

Expected<std::filesystem::path> Application::Save(const DocumentData& document,
                                                  std::chrono::system_clock::time_point now) const
{
    // Described with the automation's number for a file that cannot be written.
    const auto fileAccess = [](const std::string& description) {
        return Fail(std::to_string(PrintError::FileAccess) + " - " + description);
    };
    if (!m_options.exactPath.empty()) {
        const auto saved = DocxWriter::Save(document, m_options.exactPath, DocxWriter::Mode::Replace, now);
        if (!saved) return fileAccess(saved.error().description);
        return m_options.exactPath;
    }
    const auto folder = m_options.folder.empty() ? DocumentsFolder::Get() : m_options.folder;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return fileAccess("Impossibile creare la cartella \"" + folder.string() + "\": " +
                          ErrorText::DescribeSystemError(ec) + ".");
    const std::string base = m_options.baseName + " " + Stamp(now);
    for (int n = 1; n < 10000; ++n) {
        const auto path = folder / (base + (n > 1 ? " (" + std::to_string(n) + ")" : "") + ".docx");
        const auto saved = DocxWriter::Save(document, path, DocxWriter::Mode::CreateNew, now);
        if (saved) return path;
        if (saved.error().kind != Failure::Kind::Exists) return fileAccess(saved.error().description);
    }
    return fileAccess("Troppi documenti con il nome \"" + base + "\" nella cartella \"" + folder.string() + "\".");
}

}  // namespace word
