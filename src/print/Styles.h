#pragma once

#include "print/Style.h"

namespace word {

// The styles of a document: Normal, and those added.
class Styles {
public:
    // A new paragraph style based on Normal; a name already taken is an error.
    Style Add(const std::string& name);
    Style operator()(const std::string& name);
    int32_t Count() const { return static_cast<int32_t>(m_document->styles.size()); }

private:
    friend class Document;
    explicit Styles(DocumentData* document) : m_document(document) {}

    DocumentData* m_document;
};

}  // namespace word
