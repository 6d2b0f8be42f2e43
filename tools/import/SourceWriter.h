#pragma once

#include "tools/import/ImportedBank.h"

#include <string>

namespace Import {

// The readable source of a settled bank (BankRules::Settle), as `encode` compiles it.
// heading, when not empty, is written as a comment line at the top.
std::string WriteSource(const Bank& bank, const std::string& heading);

}  // namespace Import
