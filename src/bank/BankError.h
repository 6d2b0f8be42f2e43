#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the project: raised where an operation is misused
// (a duplicate key, an index out of range), never for bad input files.
class BankError : public std::runtime_error {
public:
    explicit BankError(const std::string& what) : std::runtime_error(what) {}
};
