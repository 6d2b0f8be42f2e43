#pragma once

#include "bank/Failure.h"

#include "print/DocumentData.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// A document as Office Open XML (.docx): the package parts, and the zip file.
namespace word::DocxWriter {

struct Part {
    std::string name;  // path inside the package
    std::string content;
};

// Every part, [Content_Types].xml first. `created` dates the core properties.
std::vector<Part> Parts(const DocumentData& document, std::chrono::system_clock::time_point created);

enum class Mode {
    Replace,    // an existing file of that name is replaced
    CreateNew,  // an existing file is left alone: Exists
};

// Exists, or Failed when the file cannot be written.
Expected<void> Save(const DocumentData& document, const std::filesystem::path& path, Mode mode,
                    std::chrono::system_clock::time_point created);

}  // namespace word::DocxWriter
