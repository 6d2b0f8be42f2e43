#pragma once

#include "bank/cRecordSpec.h"
#include "bank/IQuesitoSorter.h"

#include <memory>
#include <vector>

class cRecordBase;

// Orders by the user's statistics: fewest views first, or questions marked
// wrong first (most wrong answers first), or only those.
class cTRSorter : public IQuesitoSorter {
public:
    std::shared_ptr<cRecordBase> RecordBase;
    bool PrimaErrate = false;
    bool SoloErrate = false;

    std::string GetOrder(const cQuesito& oQuesito) override;
    // A draw reads the whole statistics file once: a seek and a read per question made a
    // draw over a large bank last far longer than the user may wait.
    void BeginDraw() override;
    void EndDraw() override;

private:
    cRecordSpec Record(int32_t codice) const;

    bool m_drawing = false;
    std::vector<cRecordSpec> m_records;
};
