#include "print/Documents.h"

#include "print/PrintError.h"

namespace word {

Document Documents::Add()
{
    m_app->Log([] { return std::string("Documents.Add"); });
    m_documents->push_back(std::make_unique<DocumentData>(m_app));
    return Document(m_documents->back().get());
}

Document Documents::operator()(int32_t index)
{
    if (index < 1 || index > Count())
        throw PrintError(PrintError::NoSuchMember, "Il documento " + std::to_string(index) + " non esiste.");
    return Document((*m_documents)[static_cast<size_t>(index - 1)].get());
}

}  // namespace word
