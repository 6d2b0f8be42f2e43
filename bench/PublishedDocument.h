#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A bank laid out as competitions publish theirs, for benchmarks and tests of
// `import pdf`: a flat OpenDocument text that LibreOffice turns into a PDF.
// Topic headings in capitals, questions numbered by their gazette number, the
// right answer first, a running header, "N di M" in the footer, a stamp of
// two letters on every page.
namespace PublishedDocument {

struct Question {
    int numero = 0;
    std::string argomento, domanda;  // UTF-8, as shown (display cleaning, one line)
    std::vector<std::string> risposte;  // the right one first
};

// The questions of a data file as the document shows them.
std::vector<Question> FromDataFile(const std::string& data);

struct Options {
    int columns = 2;
    double fontPt = 9;
};

// The .fodt document.
std::string Write(const std::vector<Question>& questions, const Options& options);

// `soffice --headless --convert-to pdf` with a profile folder of its own; the
// PDF's path, or empty when LibreOffice failed (its output in `log`).
std::filesystem::path ConvertToPdf(const std::filesystem::path& document, const std::filesystem::path& outDir,
                                   std::string* log = nullptr);

// The topic heading of a topic name: capitals, accented letters too.
std::string Heading(const std::string& name);

}  // namespace PublishedDocument
