#pragma once

#include "print/DocumentData.h"

namespace word {

class LineNumbering {
public:
    void SetActive(bool value)
    {
        m_app->Log([&] { return std::string("PageSetup.LineNumbering.Active = ") + Bool(value); });
        m_page->lineNumbering = value;
    }

private:
    friend class PageSetup;
    LineNumbering(ApplicationState* app, PageSetupData* page) : m_app(app), m_page(page) {}

    ApplicationState* m_app;
    PageSetupData* m_page;
};

}  // namespace word
