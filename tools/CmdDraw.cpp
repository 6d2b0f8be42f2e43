#include "bank/BankRandom.h"

#include "setup/Competition.h"
#include "setup/ModFunzioni.h"
#include "setup/TestMessages.h"

#include "tools/Commands.h"
#include "tools/TestState.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace BankTool {

namespace {

constexpr const char* DrawUsage =
    "Usage: tessarondequiz-bank draw BANK.dat [--filter ROW] [--order N] [--count N] [--start N] [--keep-order] "
    "[--seed S]\n";

int BadOption(const std::string& why)
{
    std::cerr << why << "\n" << DrawUsage;
    return BadUsage;
}

}  // namespace

int Draw(const Args& args)
{
    if (args.empty()) return BadOption("A bank is needed.");
    int64_t row = 0, order = 0, count = 0, start = 1;
    bool keepOrder = false;
    std::optional<int64_t> seed;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--keep-order") {
            keepOrder = true;
            continue;
        }
        int64_t* target = name == "--filter" ? &row
                          : name == "--order" ? &order
                          : name == "--count" ? &count
                          : name == "--start" ? &start
                                              : nullptr;
        if (!target && name != "--seed") return BadOption("Unknown option \"" + name + "\".");
        if (i + 1 >= args.size()) return BadOption("Option " + name + " needs a value.");
        const auto value = TestState::OptionNumber(args[++i]);
        if (!value) return BadOption("Option " + name + " needs a whole number, not \"" + args[i] + "\".");
        if (target) *target = *value;
        else seed = *value;
    }
    const auto rows = static_cast<int64_t>(Competition::Filters().size());
    if (row < 0 || row >= rows) return BadOption("--filter is a row of the topic list, 0 to " + std::to_string(rows - 1) + ".");
    if (order < 0 || order > OrderRipasso) return BadOption("--order is an ordering, 0 to 6.");
    if (count < 0 || count > INT32_MAX) return BadOption("--count is 0 (all) or more.");
    if (start < INT32_MIN || start > INT32_MAX) return BadOption("--start is out of range.");
    if (seed && (*seed < 0 || *seed > UINT32_MAX)) return BadOption("--seed is 0 to 4294967295.");

    auto request = TestState::UseBank(args[0]);
    if (!request) return ProblemFound;
    if (seed) BankRandom::SetTestSeed(static_cast<uint32_t>(*seed));

    // As the start screen: the exam simulation takes its own number of questions and the first row.
    if (order == OrderEsame) {
        count = Competition::ExamQuestions(request->ExamSets);
        row = 0;
    }
    request->ApplyTopicFilter(Competition::Filters()[static_cast<size_t>(row)]);
    request->KeepAnswerOrder = keepOrder;
    request->RecordWrongAnswers = true;
    request->OrderMode = static_cast<int32_t>(order);
    request->QuestionCount = static_cast<int32_t>(count);
    request->StartNumber = static_cast<int32_t>(start);

    const auto built = ModFunzioni::EstraiQuesiti(*request);
    if (!built) {
        std::cerr << (built.error().kind == Failure::Kind::NothingFound ? TestMessages::NothingFound().text
                                                                       : built.error().description)
                  << "\n";
        return ProblemFound;
    }
    if (built->StatisticsProblem) std::cerr << TestMessages::StatisticsUnavailable().text << "\n";
    else if (built->StatisticsDamaged) std::cerr << TestMessages::StatisticsDamaged().text << "\n";
    for (const auto& q : *built->TestSet) {
        std::cout << nlohmann::ordered_json{{"codice", q->Codice},
                                            {"gazzetta", q->IDGazzetta},
                                            {"argomento", q->Argomento() ? q->Argomento()->ID : 0},
                                            {"difficolta", q->Difficolta},
                                            {"corretta", q->RispostaCorretta}}
                         .dump()
                  << "\n";
    }
    return Success;
}

}  // namespace BankTool
