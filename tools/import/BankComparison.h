#pragma once

#include "tools/import/ImportedBank.h"

namespace Import {

// Every position whose statistics would go to another question if `current`
// replaced `old`: a different question text there (a question moved, or
// replaced), or a position `current` no longer has. Answers that changed under
// the same question text are corrections and are not told.
Diagnostics CompareBanks(const Bank& current, const Bank& old);

}  // namespace Import
