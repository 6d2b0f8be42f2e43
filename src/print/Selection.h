#pragma once

#include "print/ParagraphFormat.h"

namespace word {

// What was last selected: a range of a document or cells of a table.
class Selection {
public:
    word::ParagraphFormat ParagraphFormat();

private:
    friend class Application;
    explicit Selection(ApplicationState* app) : m_app(app) {}

    ApplicationState* m_app;
};

}  // namespace word
