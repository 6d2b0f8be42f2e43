#pragma once

#include "tools/import/ImportedBank.h"

#include <map>
#include <string>
#include <vector>

// A published bank's text, page by page in reading order, into questions:
// "1. " numbered questions, "A) " to "E) " answers wrapped over lines, topic
// headings in capitals; running headers and footers, page numbers, stray
// watermark letters and answer-grid lines are left out.
namespace Import {

struct PdfLine {
    int page = 0;
    std::string text;
};

// Lines of text, a form feed at the start of a line beginning a new page
// (pdftotext's plain output, and what `import pdf --text` prints).
std::vector<PdfLine> LinesFromText(std::string_view text);

struct PdfOptions {
    bool correctFirst = false;
    std::map<int, int> key;  // gazette number -> right answer; used unless correctFirst
};

// Diagnostics give the line's number in `lines` (1-based) and its page.
Bank ReadPdfLines(const std::vector<PdfLine>& lines, const std::string& input, const PdfOptions& options);

// Number-letter pairs ("12 B", "12. B", "12;B", grids of them) in any text;
// a number given two different letters is left out and told in `problems`.
std::map<int, int> ParseAnswerKey(std::string_view text, const std::string& input, Diagnostics& problems);

}  // namespace Import
