#include "print/Document.h"

#include "print/PrintError.h"

namespace word {

Range Document::Range(int64_t start, int64_t end)
{
    if (start < 0 || end < start || end > m_document->length)
        throw PrintError(PrintError::ValueOutOfRange, "Intervallo non valido: " + std::to_string(start) + ", " +
                                                          std::to_string(end) + ".");
    return {m_document, start, end};
}

DocumentProperty Document::BuiltInDocumentProperties(const std::string& name)
{
    if (!DocumentProperty::IsKnown(name))
        throw PrintError(PrintError::InvalidArgument, "Proprietà del documento sconosciuta: " + name + ".");
    return {m_document, name};
}

void Document::SetShowGrammaticalErrors(bool value)
{
    m_document->app->Log([&] { return std::string("ShowGrammaticalErrors = ") + Bool(value); });
    m_document->showGrammaticalErrors = value;
}

void Document::SetShowSpellingErrors(bool value)
{
    m_document->app->Log([&] { return std::string("ShowSpellingErrors = ") + Bool(value); });
    m_document->showSpellingErrors = value;
}

}  // namespace word
