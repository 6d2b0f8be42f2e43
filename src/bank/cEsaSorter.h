#pragma once

#include "bank/cSetEsame.h"
#include "bank/IQuesitoSorter.h"

// Keeps the questions matching one exam-composition entry, all with one key.
class cEsaSorter : public IQuesitoSorter {
public:
    cSetEsame SetEsame;

    std::string GetOrder(const cQuesito& oQuesito) override;
};
