#pragma once

#include <string>
#include <utility>

#include <tl/expected.hpp>

// Why something that can go wrong in normal use did: a damaged or foreign
// file, a full disk, input the user must correct. A misused operation is a
// BankError instead: that is a fault of the program.
struct Failure {
    enum class Kind {
        Failed,         // the description says what went wrong, for "Errore inaspettato ...: "
        NotASession,    // the file is no suspended test of this program
        WrongDataFile,  // a suspended test of another data file
        NothingFound,   // nothing is left to take
        Damaged,        // a file of the program's own that no longer reads
        Missing,        // what a file names is no longer there (questions the bank has lost)
        Exists,         // the file is there already
        Refused,        // input to correct; the description is the whole message
    };
    Kind kind = Kind::Failed;
    std::string description;  // Italian, UTF-8
};

// A value, or why there is none.
template <typename T = void>
using Expected = tl::expected<T, Failure>;

inline tl::unexpected<Failure> Fail(Failure::Kind kind, std::string description = {})
{
    return tl::unexpected<Failure>(Failure{kind, std::move(description)});
}

inline tl::unexpected<Failure> Fail(std::string description) { return Fail(Failure::Kind::Failed, std::move(description)); }
