#include "bank/BankError.h"

#include "bank/ErrorText.h"

BankError::BankError(Kind kind, const std::string& subject)
    : std::runtime_error(ErrorText::DescribeBankError(kind, subject))
{
}
