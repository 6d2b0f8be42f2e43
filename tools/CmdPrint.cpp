#include "bank/DataFolders.h"

#include "print/CPaginatrice.h"

#include "tools/Commands.h"

#include <filesystem>
#include <iostream>

namespace BankTool {

namespace {

constexpr const char* PrintUsage =
    "Usage: tessarondequiz-bank print BANK.dat FILE.test OUT.docx [--layout list|table] [--no-topic] "
    "[--no-number] [--shuffle]\n";

struct PrintOptions {
    std::filesystem::path bank, test, out;
    int32_t formato = 1;
    bool topic = true;
    bool number = true;
    bool shuffle = false;
};

bool Parse(const Args& args, PrintOptions& o)
{
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--layout" && i + 1 < args.size()) {
            const std::string& layout = args[++i];
            if (layout == "list") o.formato = 1;
            else if (layout == "table") o.formato = 2;
            else return false;
        } else if (a == "--no-topic") {
            o.topic = false;
        } else if (a == "--no-number") {
            o.number = false;
        } else if (a == "--shuffle") {
            o.shuffle = true;
        } else if (a.starts_with("--")) {
            return false;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 3) return false;
    o.bank = positional[0];
    o.test = positional[1];
    o.out = positional[2];
    return true;
}

}  // namespace

int Print(const Args& args)
{
    PrintOptions o;
    if (!Parse(args, o)) {
        std::cerr << PrintUsage;
        return BadUsage;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(o.bank, ec)) {
        std::cerr << o.bank.string() << ": no such data file\n";
        return ProblemFound;
    }
    // The test's data file is looked for in the bank's folder first.
    DataFolders::SetBankFolder(std::filesystem::absolute(o.bank, ec).parent_path());

    const auto out = std::filesystem::absolute(o.out, ec);
    CPaginatrice builder([&] {
        word::SaveOptions save;
        save.exactPath = out;
        save.open = false;
        return std::make_shared<word::Application>(std::move(save));
    });
    const auto loaded = builder.CaricaQuesitiDaSessione(o.test, o.shuffle);
    if (!loaded) {
        if (loaded.error().kind == Failure::Kind::NotASession)
            std::cerr << o.test.string() << ": not a suspended test\n";
        else
            std::cerr << CPaginatrice::LoadFailureMessage(loaded.error()).text << "\n";
        return ProblemFound;
    }
    builder.Formato = o.formato;
    builder.NumColonne = 2;
    builder.MostraArgomenti = o.topic;
    builder.MostraCodici = o.number;
    builder.MostraDifficolta = false;
    if (const auto built = builder.Build(); !built) {
        std::cerr << CPaginatrice::BuildFailureMessage(built.error(), {}).text << "\n";
        return ProblemFound;
    }
    std::cout << o.out.string() << ": " << builder.Quesiti().Count() << " questions, "
              << (o.formato == 1 ? "list" : "table") << " layout\n";
    return Success;
}

}  // namespace BankTool
