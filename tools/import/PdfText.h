#pragma once

#include "tools/import/PdfLayout.h"

#include <filesystem>
#include <string>
#include <vector>

// The text of a PDF, read by poppler's pdftotext (poppler-utils) run as a program.
namespace Import {

struct PdfTextResult {
    std::vector<PdfLine> lines;
    std::string error;  // why the PDF could not be read; empty on success
};

// Every page's lines in reading order: in a page of two columns the left
// column, then the right one; lines across the whole width where they stand.
PdfTextResult ReadPdfText(const std::filesystem::path& pdf);

// The same, from the output of `pdftotext -bbox-layout` (XHTML with the boxes of lines).
std::vector<PdfLine> LinesFromBoxes(std::string_view xhtml);

// The page text with its physical layout kept (`pdftotext -layout`): rows of a grid stay rows.
PdfTextResult ReadPdfLayoutText(const std::filesystem::path& pdf, std::string& text);

// A file that starts as a PDF does.
bool IsPdf(const std::filesystem::path& path);

}  // namespace Import
