#pragma once

#include "bank/Failure.h"

#include "print/Documents.h"
#include "print/SaveOptions.h"
#include "print/Selection.h"

namespace word {

// The word processor: its documents and its selection. It stays invisible
// while documents are written; becoming visible saves and opens them.
class Application {
public:
    explicit Application(SaveOptions options = {}) : m_options(std::move(options)) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    word::Documents Documents() { return {&m_state, &m_documents}; }
    word::Selection Selection() { return word::Selection(&m_state); }
    bool Visible() const { return m_visible; }
    // True the first time: every document is saved and opened. Failed, its
    // description starting with the automation's number 75 ("75 - …"), when
    // one cannot be saved; Unavailable when nothing opens it.
    [[nodiscard]] Expected<void> SetVisible(bool value);
    double CentimetersToPoints(double cm) const { return CmToPoints(cm); }

    // Null: no log.
    void SetCallLog(CallLog* log) { m_state.log = log; }
    SaveOptions& Options() { return m_options; }

private:
    Expected<void> Show(DocumentData& document);
    Expected<std::filesystem::path> Save(const DocumentData& document, std::chrono::system_clock::time_point now) const;

    ApplicationState m_state;
    std::vector<std::unique_ptr<DocumentData>> m_documents;
    SaveOptions m_options;
    bool m_visible = false;
};

}  // namespace word
