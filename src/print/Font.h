#pragma once

#include "print/DocumentData.h"

namespace word {

// The character formatting of a style.
class Font {
public:
    void SetName(const std::string& name);
    void SetBold(bool value);
    void SetItalic(bool value);
    // Points, 1 to 1638.
    void SetSize(double points);

private:
    friend class Style;
    Font(ApplicationState* app, StyleData* style) : m_app(app), m_style(style) {}
    std::string Owner() const;

    ApplicationState* m_app;
    StyleData* m_style;
};

}  // namespace word
