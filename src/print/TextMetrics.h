#pragma once

#include <string_view>

// Widths of text set in Arial (or a font of the same metrics), in points,
// for laying out tables without a font engine.
namespace word::TextMetrics {

double Width(std::string_view utf8, double size, bool bold);
double LongestWord(std::string_view utf8, double size, bool bold);

}  // namespace word::TextMetrics
