#pragma once

#include "print/Paragraph.h"

namespace word {

// The paragraphs of a range.
class Paragraphs {
public:
    // A new empty paragraph after the range's last paragraph, or before the
    // document's final paragraph when the range reaches it.
    Paragraph Add();

private:
    friend class Range;
    Paragraphs(DocumentData* document, int64_t start, int64_t end) : m_document(document), m_start(start), m_end(end) {}

    DocumentData* m_document;
    int64_t m_start;
    int64_t m_end;
};

}  // namespace word
