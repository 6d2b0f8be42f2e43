#pragma once

#include "bank/BankError.h"

#include <cstdint>
#include <string>

// A call the word processor's object model refuses (a value out of range, a
// member it lacks): a number and a description, as its automation has them.
// What fails in normal use, a document that cannot be saved or opened, is an
// Expected instead.
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

    PrintError(int32_t number, const std::string& description) : BankError(Kind::Described, description), m_number(number)
    {
    }

    int32_t Number() const { return m_number; }

private:
    int32_t m_number;
};
