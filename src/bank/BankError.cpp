#include "BankError.h"

#include "ErrorText.h"

BankError::BankError(Kind kind, const std::string& subject)
    : std::runtime_error(ErrorText::DescribeBankError(kind, subject))
{
}
