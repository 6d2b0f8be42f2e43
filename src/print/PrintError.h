#pragma once

#include "bank/BankError.h"

#include "bank/UserMessage.h"

#include <cstdint>
#include <filesystem>
#include <string>

// An error of the word processor or of a print run: a number and a
// description, as the wizard reports them.
class PrintError : public BankError {
public:
    // Numbers the word processor's automation would give for the same faults.
    enum Number : int32_t {
        InvalidArgument = 5,
        FileAccess = 75,
        CannotCreateObject = 429,
        CommandFailed = 4198,
        ValueOutOfRange = 4608,
        NoSuchMember = 5941,
    };

    PrintError(int32_t number, std::string description, std::filesystem::path savedPath = {})
        : BankError(Kind::Described, description), m_number(number), m_description(std::move(description)),
          m_savedPath(std::move(savedPath))
    {
    }

    int32_t Number() const { return m_number; }
    const std::string& Description() const { return m_description; }
    // Where the document was saved before the error, when it was.
    const std::filesystem::path& SavedPath() const { return m_savedPath; }

    // What the user is told when building the document failed.
    UserMessage Message() const;

private:
    int32_t m_number;
    std::string m_description;
    std::filesystem::path m_savedPath;
};
