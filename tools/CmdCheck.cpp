#include "tools/BankChecker.h"
#include "tools/Commands.h"

#include <iostream>

namespace BankTool {

int Check(const Args& args)
{
    BankChecker::Summary summary;
    const auto problems = BankChecker::CheckFile(args[0], &summary);
    for (const auto& p : problems) std::cerr << p.ToString() << "\n";
    if (!problems.empty()) {
        std::cerr << problems.size() << (problems.size() == 1 ? " problem" : " problems") << " found\n";
        return ProblemFound;
    }
    std::cout << args[0] << ": OK, " << summary.topics << " topics, " << summary.questions << " questions\n";
    return Success;
}

}  // namespace BankTool
