#pragma once

#include <cstdint>

// One question's statistics, as stored in 20 bytes of the ".rec" file.
struct cRecordSpec {
    int32_t nVisualizzate = 0;
    int32_t nTralasciate = 0;
    int32_t nEsatte = 0;
    int32_t nSbagliate = 0;
    // The review mark: 0 never set, Marked, or MarkRemoved.
    int32_t bnUltimoEsito = 0;

    // Answered wrongly, or marked "ERRATA" for review.
    static constexpr int32_t Marked = 2;
    // The mark taken off again.
    static constexpr int32_t MarkRemoved = 1;

    static constexpr int RecordSize = 20;

    // No counter below zero and a last outcome of 0, 1 or 2: what the program writes.
    bool Valid() const
    {
        return nVisualizzate >= 0 && nTralasciate >= 0 && nEsatte >= 0 && nSbagliate >= 0 && bnUltimoEsito >= 0
               && bnUltimoEsito <= 2;
    }

    bool operator==(const cRecordSpec&) const = default;
};
