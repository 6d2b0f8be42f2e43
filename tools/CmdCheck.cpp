#include "tools/BankChecker.h"
#include "tools/Commands.h"
#include "tools/import/BankComparison.h"
#include "tools/import/DataFileBank.h"

#include <iostream>

namespace BankTool {

int Check(const Args& args)
{
    const bool against = args.size() == 3 && args[1] == "--against";
    if (args.size() != 1 && !against) {
        std::cerr << "Usage: tessarondequiz-bank check BANK.dat [--against OLD.dat]\n";
        return BadUsage;
    }
    BankChecker::Summary summary;
    auto problems = BankChecker::CheckFile(args[0], &summary);
    if (against) {
        const auto current = Import::LoadDataFile(args[0]);
        const auto old = Import::LoadDataFile(args[2]);
        if (!old) {
            std::cerr << args[2] << ": cannot read the file\n";
            return BadUsage;
        }
        if (current) {
            const auto moved = Import::CompareBanks(*current, *old);
            problems.insert(problems.end(), moved.begin(), moved.end());
        }
    }
    for (const auto& p : problems) std::cerr << p.ToString() << "\n";
    if (!problems.empty()) {
        std::cerr << problems.size() << (problems.size() == 1 ? " problem" : " problems") << " found\n";
        return ProblemFound;
    }
    std::cout << args[0] << ": OK, " << summary.topics << " topics, " << summary.questions << " questions"
              << (against ? ", every question where it was in " + args[2] : std::string()) << "\n";
    return Success;
}

}  // namespace BankTool
