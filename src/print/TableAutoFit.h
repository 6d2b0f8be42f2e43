#pragma once

#include "print/DocumentData.h"

#include <vector>

// Column widths of a table that fits its contents or the page, computed the
// way word processors do it: each column between the width of its longest word
// and that of its longest paragraph, the spare room shared in proportion.
// When the longest words do not all fit, the narrower columns keep theirs.
namespace word::TableAutoFit {

std::vector<double> FitToContents(const DocumentData& document, const TableData& table, double available);

// The current widths scaled to fill the available width.
std::vector<double> FitToWidth(const TableData& table, double available);

}  // namespace word::TableAutoFit
