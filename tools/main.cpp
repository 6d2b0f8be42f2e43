// tessarondequiz-bank: makes, reads and checks question-bank data files.

#include "bank/DataFolders.h"

#include "tools/Commands.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

// The command checks its own arguments (options).
constexpr size_t AnyCount = static_cast<size_t>(-1);

struct Command {
    std::string_view name;
    std::string_view arguments;
    size_t argumentCount;
    std::string_view description;
    int (*run)(const BankTool::Args&);
};

constexpr Command Commands[] = {
    {"encode", "SOURCE OUT.dat", 2, "compile a readable bank (UTF-8) into a data file", BankTool::Encode},
    {"dump", "BANK.dat", 1, "print the bank as JSON Lines, as the program loads it", BankTool::Dump},
    {"check", "BANK.dat [--against OLD.dat]", AnyCount,
     "report every problem of a data file; with --against, every moved question", BankTool::Check},
    {"stats", "BANK.dat", 1, "print the bank's statistics file (BANK.dat.rec) as JSON Lines", BankTool::Stats},
    {"summary", "BANK.dat", 1, "describe the bank in a few lines", BankTool::Summary},
    {"draw", "BANK.dat [OPTIONS]", AnyCount, "build a test as the start screen does and print it as JSON Lines",
     BankTool::Draw},
    {"resume", "BANK.dat FILE.test", 2, "load a suspended test and print it as JSON Lines", BankTool::Resume},
    {"print", "BANK.dat FILE.test OUT.docx [OPTIONS]", AnyCount,
     "write a suspended test and its answer key as a .docx document", BankTool::Print},
    {"import", "FORMAT INPUT [OPTIONS]", AnyCount,
     "turn an Aiken, GIFT, Moodle XML, CSV or PDF bank into readable source (import --help)", BankTool::Import},
};

void Usage(FILE* out)
{
    size_t nameWidth = 0, argumentsWidth = 0;
    for (const auto& c : Commands) {
        nameWidth = std::max(nameWidth, c.name.size());
        argumentsWidth = std::max(argumentsWidth, c.arguments.size());
    }
    std::fputs("Usage: tessarondequiz-bank COMMAND ARGUMENTS\n"
               "       tessarondequiz-bank --help | --version\n\nCommands:\n",
               out);
    for (const auto& c : Commands)
        std::fprintf(out, "  %-*.*s  %-*.*s  %.*s\n", static_cast<int>(nameWidth), static_cast<int>(c.name.size()),
                     c.name.data(), static_cast<int>(argumentsWidth), static_cast<int>(c.arguments.size()),
                     c.arguments.data(), static_cast<int>(c.description.size()), c.description.data());
    std::fputs("\nExit status: 0 success, 1 a problem was found, 2 bad usage.\n", out);
}

}  // namespace

int main(int argc, char** argv)
{
    // The installed banks' folders, which are never written, are those the program knows.
    DataFolders::SetDesktopDataFolders(DataFolders::DesktopDataFoldersFromEnvironment());
    if (argc < 2) {
        Usage(stderr);
        return BankTool::BadUsage;
    }
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        Usage(stdout);
        return BankTool::Success;
    }
    if (name == "--version") {
        std::fputs("tessarondequiz-bank (Tessarondequiz) " TQ_VERSION "\n", stdout);
        return BankTool::Success;
    }
    for (const auto& c : Commands) {
        if (c.name != name) continue;
        const BankTool::Args args(argv + 2, argv + argc);
        if (c.argumentCount != AnyCount && args.size() != c.argumentCount) {
            std::fprintf(stderr, "Usage: tessarondequiz-bank %s %.*s\n", argv[1],
                         static_cast<int>(c.arguments.size()), c.arguments.data());
            return BankTool::BadUsage;
        }
        return c.run(args);
    }
    std::fprintf(stderr, "Unknown command \"%s\".\n\n", argv[1]);
    Usage(stderr);
    return BankTool::BadUsage;
}
