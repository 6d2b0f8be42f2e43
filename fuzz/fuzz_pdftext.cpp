// The reader of a PDF's text on arbitrary bytes: as pdftotext's plain text
// (pages by form feeds) with the right answer first, and with the same bytes
// read as an answer key; and as its XHTML of line boxes.
#include "tools/import/PdfLayout.h"
#include "tools/import/PdfText.h"

#include "ImportFuzz.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto lines = Import::LinesFromText(input);
    CheckImported(Import::ReadPdfLines(lines, "fuzz", {true, {}}));
    Import::PdfOptions keyed;
    Diagnostics problems;
    keyed.key = Import::ParseAnswerKey(input, "fuzz", problems);
    for (const auto& [n, letter] : keyed.key) FUZZ_CHECK(n >= 1 && letter >= 1 && letter <= 5);
    CheckImported(Import::ReadPdfLines(lines, "fuzz", keyed));
    CheckImported(Import::ReadPdfLines(Import::LinesFromBoxes(input), "fuzz", {true, {}}));
    return 0;
}
