#pragma once

#include "print/DocumentData.h"

namespace word {

// A built-in document property: Title, Subject, Author, Keywords, Comments,
// Category, Company or Manager.
class DocumentProperty {
public:
    std::string Value() const;
    void SetValue(const std::string& value);

    // The names the document keeps.
    static bool IsKnown(std::string_view name);

private:
    friend class Document;
    DocumentProperty(DocumentData* document, std::string name) : m_document(document), m_name(std::move(name)) {}

    DocumentData* m_document;
    std::string m_name;
};

}  // namespace word
