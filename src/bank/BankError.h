#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the project: raised where an operation is misused
// (a duplicate key, an index out of range) or a stored value cannot be taken,
// never for bad input files. Its text is the Italian description the user
// reads, made by ErrorText from the kind and its subject.
class BankError : public std::runtime_error {
public:
    enum class Kind {
        AnswerDigits,       // subject: the 1-based position that is no digit
        QuestionIndex,      // subject: the position asked for
        QuestionKey,        // subject: the key asked for
        DuplicateQuestion,  // subject: the question's code
        MissingQuestion,    // no question was given
        AnswerIndex,        // subject: the answer number
        TopicIndex,         // subject: the topic number
        TopicName,          // subject: the name asked for
        ThemeIndex,         // subject: the theme number
        ThemeKey,           // subject: the key asked for
        DuplicateTheme,     // subject: the key
        Described,          // subject: already the description
    };

    explicit BankError(Kind kind, const std::string& subject = {});
};
