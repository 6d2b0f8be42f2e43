#include "setup/SessionLoader.h"
#include "setup/TestMessages.h"

#include "tools/Commands.h"
#include "tools/TestState.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace BankTool {

int Resume(const Args& args)
{
    const auto request = TestState::UseBank(args[0]);
    if (!request) return ProblemFound;
    const auto loaded = SessionLoader::Load(args[1], {*request, request->CurrentDataFile}, SessionLoader::Mode::Suspended);
    if (!loaded) {
        std::cerr << TestMessages::SessionNotLoaded(loaded.error()).text << "\n";
        return ProblemFound;
    }
    using nlohmann::ordered_json;
    std::cout << ordered_json{{"resumeIndex", loaded->ResumeIndex},
                              {"resumeCorrect", loaded->ResumeCorrect},
                              {"orderMode", loaded->Request.OrderMode}}
                     .dump()
              << "\n";
    for (const auto& q : *loaded->Test.TestSet)
        std::cout << ordered_json{{"codice", q->Codice}, {"data", q->RispostaData}, {"corretta", q->RispostaCorretta}}
                         .dump()
                  << "\n";
    return Success;
}

}  // namespace BankTool
