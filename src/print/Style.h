#pragma once

#include "print/Font.h"
#include "print/ParagraphFormat.h"

namespace word {

// A paragraph style of a document.
class Style {
public:
    word::Font Font() { return {m_app, m_style}; }
    word::ParagraphFormat ParagraphFormat() { return {m_app, m_document, Owner(), m_style, {}}; }
    // A built-in style: only -1, Normal.
    void SetNextParagraphStyle(int32_t builtIn);
    void SetNextParagraphStyle(const std::string& name);

    const StyleData& Data() const { return *m_style; }

private:
    friend class Styles;
    Style(ApplicationState* app, DocumentData* document, StyleData* style)
        : m_app(app), m_document(document), m_style(style)
    {
    }
    std::string Owner() const { return "Styles(" + Quote(m_style->name) + ")"; }

    ApplicationState* m_app;
    DocumentData* m_document;
    StyleData* m_style;
};

}  // namespace word
