#include "print/Paragraphs.h"

#include <algorithm>

namespace word {

Paragraph Paragraphs::Add()
{
    m_document->app->Log([&] {
        return "Range(" + std::to_string(m_start) + ", " + std::to_string(m_end) + ").Paragraphs.Add";
    });
    const size_t last = m_document->Locate(std::max(m_start, m_end - 1)).index;
    const size_t at = std::min(last + 1, m_document->blocks.size() - 1);
    auto paragraph = std::make_shared<ParagraphData>();
    m_document->length += paragraph->Length();
    m_document->blocks.insert(m_document->blocks.begin() + static_cast<std::ptrdiff_t>(at), paragraph);
    return {m_document, paragraph};
}

}  // namespace word
