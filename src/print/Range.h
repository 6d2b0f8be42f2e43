#pragma once

#include "print/ParagraphFormat.h"
#include "print/Table.h"

namespace word {

class Paragraphs;

// A stretch of a document between two character positions. Each paragraph
// counts its characters and its mark; a table counts each cell's characters
// and end mark and one mark per row.
class Range {
public:
    int64_t End() const { return m_end; }

    word::Paragraphs Paragraphs();
    // Inserts at the start of the range, which grows to include the text.
    // Line ends inside the text become line breaks.
    void InsertBefore(const std::string& text);
    // 7: a page break, 6: a line break; it replaces the range's text.
    void InsertBreak(int32_t type);
    word::ParagraphFormat ParagraphFormat();
    // The paragraphs the range touches become a table, one row each, their
    // text cut into cells at the separator. The document's final paragraph
    // always stays after it.
    Table ConvertToTable(const std::string& separator);
    void Select();

private:
    friend class Document;
    friend class Paragraph;
    Range(DocumentData* document, int64_t start, int64_t end) : m_document(document), m_start(start), m_end(end) {}
    std::string Owner() const;

    DocumentData* m_document;
    int64_t m_start;
    int64_t m_end;
};

}  // namespace word
