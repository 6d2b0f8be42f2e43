#include "print/Styles.h"

#include "print/PrintError.h"

#include <cctype>

namespace word {

namespace {

// Letters and digits of the name, made unique among the document's styles.
std::string StyleId(const DocumentData& document, const std::string& name)
{
    std::string base;
    for (const char c : name)
        if (std::isalnum(static_cast<unsigned char>(c))) base += c;
    if (base.empty()) base = "Stile";
    std::string id = base;
    for (int n = 2;; ++n) {
        bool taken = false;
        for (const auto& s : document.styles) taken = taken || s->id == id;
        if (!taken) return id;
        id = base + std::to_string(n);
    }
}

}  // namespace

Style Styles::Add(const std::string& name)
{
    m_document->app->Log([&] { return "Styles.Add(" + Quote(name) + ")"; });
    if (name.empty()) throw PrintError(PrintError::InvalidArgument, "Nome di stile vuoto.");
    if (m_document->FindStyle(name))
        throw PrintError(PrintError::CommandFailed, "Lo stile \"" + name + "\" esiste già.");
    auto style = std::make_unique<StyleData>();
    style->name = name;
    style->id = StyleId(*m_document, name);
    StyleData* added = style.get();
    m_document->styles.push_back(std::move(style));
    return {m_document->app, m_document, added};
}

Style Styles::operator()(const std::string& name)
{
    StyleData* style = m_document->FindStyle(name);
    if (!style) throw PrintError(PrintError::NoSuchMember, "Lo stile \"" + name + "\" non esiste.");
    return {m_document->app, m_document, style};
}

}  // namespace word
