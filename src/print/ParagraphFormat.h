#pragma once

#include "print/DocumentData.h"

namespace word {

// Paragraph formatting of a style, of the paragraphs of a range, or of the
// selection. Setting a style on paragraphs drops their own formatting.
class ParagraphFormat {
public:
    // Paragraphs only; the style must exist.
    void SetStyle(const std::string& name);
    // 0 left, 1 centre, 2 right, 3 justified.
    void SetAlignment(int32_t value);
    void SetSpaceBefore(double points);
    void SetSpaceAfter(double points);
    void SetLeftIndent(double points);
    // Negative: a hanging indent.
    void SetFirstLineIndent(double points);

private:
    friend class Style;
    friend class Range;
    friend class Selection;
    ParagraphFormat(ApplicationState* app, const DocumentData* document, std::string owner, StyleData* style,
                    std::vector<ParagraphData*> paragraphs)
        : m_app(app), m_document(document), m_owner(std::move(owner)), m_style(style),
          m_paragraphs(std::move(paragraphs))
    {
    }

    template <typename Change>
    void Apply(Change change);
    void SetSpacing(const char* what, std::optional<double> ParagraphProps::*member, double points, double low);

    ApplicationState* m_app;
    const DocumentData* m_document;
    std::string m_owner;
    StyleData* m_style;
    std::vector<ParagraphData*> m_paragraphs;
};

}  // namespace word
