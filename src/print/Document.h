#pragma once

#include "print/DocumentProperty.h"
#include "print/PageSetup.h"
#include "print/Paragraphs.h"
#include "print/Styles.h"
#include "print/Template.h"

namespace word {

class Document {
public:
    // The whole document.
    word::Range Range() { return {m_document, 0, m_document->length}; }
    // Positions outside the document are an error.
    word::Range Range(int64_t start, int64_t end);
    word::Styles Styles() { return word::Styles(m_document); }
    word::PageSetup PageSetup() { return {m_document->app, &m_document->page}; }
    DocumentProperty BuiltInDocumentProperties(const std::string& name);
    void SetShowGrammaticalErrors(bool value);
    void SetShowSpellingErrors(bool value);
    Template AttachedTemplate() { return Template(m_document); }
    // Where the document was saved; empty before.
    const std::filesystem::path& FullName() const { return m_document->fullName; }

    const DocumentData& Data() const { return *m_document; }

private:
    friend class Documents;
    explicit Document(DocumentData* document) : m_document(document) {}

    DocumentData* m_document;
};

}  // namespace word
