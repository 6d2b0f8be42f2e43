#include "setup/ModGlobal.h"
#include "setup/SessionLoader.h"
#include "setup/TestSettings.h"

#include "tools/Commands.h"
#include "tools/TestState.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace BankTool {

int Resume(const Args& args)
{
    if (!TestState::UseBank(args[0])) return ProblemFound;
    const auto loaded = SessionLoader::Load(args[1]);
    if (!loaded) {
        std::cerr << SessionLoader::Message(loaded.error()).text << "\n";
        return ProblemFound;
    }
    using namespace ModGlobal;
    using nlohmann::ordered_json;
    std::cout << ordered_json{{"resumeIndex", ResumeIndex}, {"resumeCorrect", ResumeCorrect}, {"orderMode", OrderMode}}
                     .dump()
              << "\n";
    for (const auto& q : *TestSet)
        std::cout << ordered_json{{"codice", q->Codice}, {"data", q->RispostaData}, {"corretta", q->RispostaCorretta}}
                         .dump()
                  << "\n";
    return Success;
}

}  // namespace BankTool
