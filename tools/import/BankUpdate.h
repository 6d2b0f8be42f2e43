#pragma once

#include "tools/import/ImportedBank.h"

namespace Import {

struct UpdateCounts {
    int kept = 0, corrected = 0, appended = 0, cancelled = 0;
};

// The imported bank laid over an existing one so that every question keeps
// the position its statistics are kept by: unchanged questions (same text and
// answers) and corrected ones (same gazette number) stay where they were, new
// ones are appended, vanished ones stay as cancelled (difficulty 9). What the
// input leaves empty (explanation, passage, image, note) and a difficulty of
// 1 to 3 come from the old bank. Corrections and cancellations are told in
// `imported.notes`.
UpdateCounts Update(Bank& imported, const Bank& old);

}  // namespace Import
