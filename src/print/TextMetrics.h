#pragma once

#include <string_view>

// Widths of text set in Arial (or a font of the same metrics), in points,
// for laying out tables without a font engine.
namespace word::TextMetrics {

struct Extent {
    double width = 0;        // the whole text on one line
    double longestWord = 0;  // the widest stretch between blanks
};

Extent Measure(std::string_view utf8, double size, bool bold);

}  // namespace word::TextMetrics
