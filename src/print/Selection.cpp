#include "print/Selection.h"

#include "print/PrintError.h"

namespace word {

ParagraphFormat Selection::ParagraphFormat()
{
    SelectionData& s = m_app->selection;
    std::vector<ParagraphData*> paragraphs;
    const DocumentData* document = s.document;
    if (s.table) {
        for (const auto& [r, c] : s.cells) paragraphs.push_back(&s.table->rows[r][c]);
    } else if (s.document) {
        paragraphs = s.document->ParagraphsIn(s.start, s.end);
    } else {
        throw PrintError(PrintError::CommandFailed, "Non è selezionato niente.");
    }
    return {m_app, document, "Selection", nullptr, std::move(paragraphs)};
}

}  // namespace word
