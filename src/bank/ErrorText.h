#pragma once

#include "bank/BankError.h"

#include <exception>
#include <string>
#include <system_error>

// The one place where an error becomes the Italian text a user reads after
// "Errore inaspettato ...: " (UTF-8): the project's own errors, the standard
// library's and the operating system's.
namespace ErrorText {

std::string Describe(const std::exception& error);

std::string DescribeBankError(BankError::Kind kind, const std::string& subject);

// An operating-system error (errno), as "file o cartella inesistente".
std::string DescribeSystemError(const std::error_code& code);

}  // namespace ErrorText
