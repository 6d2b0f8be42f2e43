#pragma once

#include <filesystem>
#include <string>

// Fixture banks, encoded at build time by the bank tool from the readable banks
// in tests/fixtures (NAME.txt → <build>/fixtures/NAME.dat, images copied beside).
namespace Fixtures {

inline std::filesystem::path Dir() { return std::filesystem::path(TQ_BUILD_DIR) / "fixtures"; }

// The data file made from tests/fixtures/NAME.txt.
inline std::filesystem::path Bank(const std::string& name) { return Dir() / (name + ".dat"); }

// The readable source of a fixture bank.
inline std::filesystem::path Source(const std::string& name)
{
    return std::filesystem::path(TQ_FIXTURES_DIR) / (name + ".txt");
}

// 3 topics, 12 questions (gazette 1-4, 101-104, 201-204); question 4 cancelled,
// 5 with a passage, 6 with an explanation and a note, 9 with the image sequenza.png,
// 7 and 10 with markup and entities.
inline std::filesystem::path Small() { return Bank("small"); }
// NR:5 — 2 topics, 3 questions of five answers.
inline std::filesystem::path Five() { return Bank("five"); }
// NR:3 — 2 topics, 3 questions of three answers.
inline std::filesystem::path Three() { return Bank("three"); }

// The shipped bank in the program folder.
inline std::filesystem::path Shipped() { return std::filesystem::path(TQ_PROGRAM_DIR) / "rcv14.dat"; }

}  // namespace Fixtures
