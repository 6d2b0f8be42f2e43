#pragma once

#include "print/DocumentData.h"

namespace word {

// The template a document is attached to.
class Template {
public:
    // True: closing will not ask to save the template.
    void SetSaved(bool value)
    {
        m_document->app->Log([&] { return std::string("AttachedTemplate.Saved = ") + Bool(value); });
        m_document->templateSaved = value;
    }

private:
    friend class Document;
    explicit Template(DocumentData* document) : m_document(document) {}

    DocumentData* m_document;
};

}  // namespace word
