#pragma once

#include "print/Document.h"

namespace word {

class Documents {
public:
    // A new empty document: one paragraph, the Normal style, an A4 page.
    Document Add();
    int32_t Count() const { return static_cast<int32_t>(m_documents->size()); }
    // From 1 to Count.
    Document operator()(int32_t index);

private:
    friend class Application;
    Documents(ApplicationState* app, std::vector<std::unique_ptr<DocumentData>>* documents)
        : m_app(app), m_documents(documents)
    {
    }

    ApplicationState* m_app;
    std::vector<std::unique_ptr<DocumentData>>* m_documents;
};

}  // namespace word
