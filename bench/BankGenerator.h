#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Synthetic question banks for benchmarks and fuzz seeds: real data files (cp1252, CR LF,
// encoded texts) with the lengths and shape of a competition bank. The same options always
// give the same bytes.
namespace BankGenerator {

struct Options {
    int32_t questions = 1000;
    int32_t topics = 3;
    uint32_t seed = 1;
};

// The data file's bytes.
std::string Generate(const Options& options);

// Writes the data file; false when it cannot be written.
bool WriteFile(const std::filesystem::path& path, const Options& options);

}  // namespace BankGenerator
