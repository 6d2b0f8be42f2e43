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

void Application::SetVisible(bool value)
{
    m_state.Log([&] { return std::string("Visible = ") + Bool(value); });
    const bool showing = value && !m_visible;
    m_visible = value;
    if (!showing) return;
    for (auto& document : m_documents)
        if (document->fullName.empty()) Show(*document);
}

void Application::Show(DocumentData& document)
{
    document.fullName = Save(document, m_options.now());
    if (!m_options.open) return;
    const auto opener = m_options.opener ? m_options.opener : DocumentOpener::Default();
    if (!opener || !opener->Open(document.fullName))
        throw PrintError(PrintError::CannotCreateObject,
                         "Nessuna applicazione ha potuto aprire il documento \"" + document.fullName.string() + "\".",
                         document.fullName);
}

std::filesystem::path Application::Save(const DocumentData& document, std::chrono::system_clock::time_point now) const
{
    // The automation's error for a file that cannot be written.
    auto fileAccess = [](const Failure& failure) { return PrintError(PrintError::FileAccess, failure.description); };
    if (!m_options.exactPath.empty()) {
        const auto saved = DocxWriter::Save(document, m_options.exactPath, DocxWriter::Mode::Replace, now);
        if (!saved) throw fileAccess(saved.error());
        return m_options.exactPath;
    }
    const auto folder = m_options.folder.empty() ? DocumentsFolder::Get() : m_options.folder;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw PrintError(PrintError::FileAccess,
                         "Impossibile creare la cartella \"" + folder.string() + "\": " +
                             ErrorText::DescribeSystemError(ec) + ".");
    const std::string base = m_options.baseName + " " + Stamp(now);
    for (int n = 1; n < 10000; ++n) {
        const auto path = folder / (base + (n > 1 ? " (" + std::to_string(n) + ")" : "") + ".docx");
        const auto saved = DocxWriter::Save(document, path, DocxWriter::Mode::CreateNew, now);
        if (saved) return path;
        if (saved.error().kind != Failure::Kind::Exists) throw fileAccess(saved.error());
    }
    throw PrintError(PrintError::FileAccess, "Troppi documenti con il nome \"" + base + "\" nella cartella \"" +
                                                 folder.string() + "\".");
}

}  // namespace word
