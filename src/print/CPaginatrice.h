#pragma once

#include "bank/cQuesiti.h"
#include "bank/Failure.h"

#include "bank/UserMessage.h"

#include "print/Application.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace word {
class Table;
}

// Writes a test into a new word-processor document: the questions as a list
// or a table, then, on a new page, the answer key as a grid. Used by the
// print wizard and by the bank tool.
class CPaginatrice {
public:
    using ApplicationFactory = std::function<std::shared_ptr<word::Application>()>;

    // The word processor is made by the factory on first need. The default one
    // saves in the user's documents folder under DocumentBaseName() and opens
    // the document.
    explicit CPaginatrice(ApplicationFactory factory = {});

    int32_t Formato = 0;  // 1 list, 2 table, anything else: no questions, only the key
    int32_t NumColonne = 0;  // kept, not used
    bool MostraArgomenti = false;
    bool MostraCodici = false;
    bool MostraDifficolta = false;

    // In print order; NumRisposte is the largest answer count among them.
    const cQuesiti& Quesiti() const { return *m_quesiti; }

    // The upper bound of the current phase (questions, then answer key) and the position reached.
    std::function<void(int32_t)> OnSetMax;
    std::function<void(int32_t)> OnSetCurrent;

    // Fills Quesiti from a suspended-test file, taking the questions from the
    // data file it names in the program folder. A file that is not a suspended
    // test (NotASession: nothing to print, nothing to tell) or any other
    // problem (Failed) leaves Quesiti empty.
    Expected<void> CaricaQuesitiDaSessione(const std::filesystem::path& path, bool bShuffle);
    // What the wizard shows when loading Failed.
    static UserMessage LoadFailureMessage(const Failure& failure);

    // Writes the document and makes the word processor visible, which saves
    // and opens it; what was written until a failure stays. Unavailable: no
    // word processor, or nothing opens the saved document; Failed: any other
    // error, described as its number, " - " and its text.
    [[nodiscard]] Expected<void> Build();
    // What the wizard shows when Build failed; `saved` is where the document
    // was saved, when it was.
    static UserMessage BuildFailureMessage(const Failure& failure, const std::filesystem::path& saved);

    // The question's text (cp1252), numbered when asked, with the details the options show.
    std::string ComposeQuestionText(int32_t n, const cQuesito& q, bool withNumber) const;
    // Line feeds and carriage returns become blanks, so a text stays one paragraph.
    static std::string CleanText(std::string_view s);

    // Null until Build starts.
    const std::shared_ptr<word::Application>& WordApp() const { return m_wordApp; }

    // "<competition> - quiz": the start of a saved document's name.
    static std::string DocumentBaseName();

private:
    // Null when the factory made none.
    word::Application* GetWordApplication();
    void CreateStyles(word::Document& doc);
    void SetupPage(word::Document& doc);
    void SetDocumentProperties(word::Document& doc);
    void AddParagraph(word::Document& doc, const std::string& text, const std::string& style);
    void InsertPageBreak(word::Document& doc);
    void WriteList(word::Document& doc);
    void WriteTable(word::Document& doc);
    void WriteAnswerKey(word::Document& doc);
    void ApplyTableBorders(word::Table& table);
    void SetTableBorder(word::Table& table, int32_t index);
    void SetMax(int32_t n) const;
    void SetCurrent(int32_t n) const;

    ApplicationFactory m_factory;
    std::shared_ptr<word::Application> m_wordApp;
    std::shared_ptr<cQuesiti> m_quesiti;
};
