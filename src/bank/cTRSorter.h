#pragma once

#include "IQuesitoSorter.h"

#include <memory>

class cRecordBase;

// Orders by the user's statistics: fewest views first, or questions marked
// wrong first (most wrong answers first), or only those.
class cTRSorter : public IQuesitoSorter {
public:
    std::shared_ptr<cRecordBase> RecordBase;
    bool PrimaErrate = false;
    bool SoloErrate = false;

    std::string GetOrder(const cQuesito& oQuesito) override;
};
