#pragma once

#include "print/Range.h"

namespace word {

class Paragraph {
public:
    word::Range Range() const
    {
        const int64_t start = m_document->StartOf(m_document->IndexOf(m_paragraph.get()));
        return {m_document, start, start + m_paragraph->Length()};
    }

private:
    friend class Paragraphs;
    Paragraph(DocumentData* document, std::shared_ptr<ParagraphData> paragraph)
        : m_document(document), m_paragraph(std::move(paragraph))
    {
    }

    DocumentData* m_document;
    std::shared_ptr<ParagraphData> m_paragraph;
};

}  // namespace word
