// The Moodle XML importer on arbitrary bytes.
#include "tools/import/Readers.h"

#include "ImportFuzz.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckImported(Import::ReadMoodleXml(input, "fuzz"));
    return 0;
}
