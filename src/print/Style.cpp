#include "print/Style.h"

#include "print/PrintError.h"

namespace word {

void Style::SetNextParagraphStyle(int32_t builtIn)
{
    m_app->Log([&] { return Owner() + ".NextParagraphStyle = " + std::to_string(builtIn); });
    if (builtIn != -1)
        throw PrintError(PrintError::NoSuchMember, "Stile predefinito non disponibile: " + std::to_string(builtIn) + ".");
    m_style->next = "Normal";
}

void Style::SetNextParagraphStyle(const std::string& name)
{
    m_app->Log([&] { return Owner() + ".NextParagraphStyle = " + Quote(name); });
    if (!m_document->FindStyle(name))
        throw PrintError(PrintError::NoSuchMember, "Lo stile \"" + name + "\" non esiste.");
    m_style->next = name;
}

}  // namespace word
