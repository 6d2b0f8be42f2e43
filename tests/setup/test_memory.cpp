// The memory of each question (FSRS-6), the "RIPASSO PROGRAMMATO" order and the
// forecast "Se l'esame fosse oggi". Case folders of tests/fixtures/memory: a
// log rcv14.log on the small bank, read on 10/03/2024; expected.txt computed
// apart (bench/peers/memory_case.mjs: ts-fsrs and every outcome listed).
#include "bank/cDocumento.h"

#include "setup/BankMemory.h"
#include "setup/BuildConstants.h"
#include "setup/Clock.h"
#include "setup/cRipassoSorter.h"
#include "setup/ExamForecast.h"
#include "setup/Fsrs.h"

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace support;

namespace {

std::string Fixed(double x)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", x);
    return buf;
}

TEST(Fsrs, RetrievabilityFallsToNinetyPercentAtTheStability)
{
    struct Row {
        double days, stability, r;
    };
    for (const Row& row : {Row{0, 1, 1.0}, Row{1, 2, 0.9403443}, Row{2, 3, 0.9253786}, Row{3, 4, 0.9185229},
                           Row{4, 4, 0.9}, Row{5, 2, 0.8261359}})
        EXPECT_NEAR(Fsrs::Retrievability(row.days, row.stability), row.r, 5e-8) << row.days << " " << row.stability;
}

// Chances the same within each group, so the number right is binomial whatever the
// draw; figures from the binomial distribution, computed apart.
TEST(ExamForecast, DrawsTheCompositionAndScoresByTheRule)
{
    struct Group {
        int32_t questions, topic, difficolta;
        double chance;
    };
    struct Row {
        std::vector<Group> bank;
        std::vector<cSetEsame> composition;
        double mean, pass;
    };
    const std::vector<Row> rows = {
        // Cancelled questions never drawn.
        {{{200, 1, 1, 0.8}, {10, 1, 9, 0.0}}, {{0, 0, 50}}, 22.02, 0.710667605},
        {{{100, 1, 2, 0.9}, {100, 2, 2, 0.5}}, {{2, 0, 50}}, 10.05, 0.000045107},
        // Overlapping entries: a question asked once; 60 asked, 47 right needed.
        {{{30, 1, 1, 0.9}, {30, 2, 3, 0.5}}, {{1, 0, 30}, {0, 0, 50}}, 18.03, 0.077165514},
    };
    for (const Row& row : rows) {
        std::vector<ForecastQuestion> bank;
        for (const Group& g : row.bank) bank.insert(bank.end(), g.questions, {g.topic, g.difficolta, g.chance});
        const ExamForecast forecast = ExamForecast::Compute(bank, row.composition, 200);
        EXPECT_NEAR(forecast.meanScore, row.mean, 1e-9) << row.mean;
        EXPECT_NEAR(forecast.passProbability, row.pass, 1e-9) << row.mean;
    }
}

class MemoryCase : public ProgramTest, public ::testing::WithParamInterface<fs::path> {};

TEST_P(MemoryCase, StatesOrderAndForecast)
{
    fs::copy_file(GetParam() / "rcv14.log", LogPath());
    cDocumento document;
    document.LoadFromText(DataPath());
    const cQuesiti& bank = *document.Quesiti();
    BankMemory memory;
    memory.Load(LogPath(), bank);
    const int32_t today = *Clock::DayNumber("10/03/2024 21:00:00");

    std::string shown = "-- memory: codice, answers, last day, stability, difficulty, retrievability today\n";
    std::vector<ForecastQuestion> chances;
    for (const auto& q : bank) {
        const QuestionMemory& m = memory.Of(q->Codice);
        shown += std::to_string(q->Codice) + " " + std::to_string(m.answers);
        if (m.Answered())
            shown += " " + Clock::DateText(m.lastDay) + " " + Fixed(m.state.stability) + " " + Fixed(m.state.difficulty) + " " +
                     Fixed(m.Retrievability(today));
        shown += "\n";
        chances.push_back({q->Argomento()->ID, q->Difficolta, memory.Chance(q->Codice, today, document.NumRisposte())});
    }
    shown += "-- first answers " + std::to_string(memory.FirstAnswers()) + ", right " +
             std::to_string(memory.RightFirstAnswers()) + ", chance of a new question " +
             Fixed(memory.NewQuestionChance(document.NumRisposte())) + "\n";

    cRipassoSorter sorter;
    sorter.Memory = &memory;
    sorter.Today = today;
    shown += "-- due today " + std::to_string(cRipassoSorter::DueCount(bank, memory, today)) + "\n";
    // Due, never answered (in random order: shown sorted), the others.
    std::vector<int32_t> order;
    const auto drawn = bank.GetRandomized(&sorter);
    for (const auto& q : *drawn) order.push_back(q->Codice);
    const auto never = [&](int32_t codice) { return !memory.Of(codice).Answered(); };
    const auto first = std::find_if(order.begin(), order.end(), never);
    const auto last = std::find_if_not(first, order.end(), never);
    std::sort(first, last);
    const auto join = [](auto from, auto to) {
        std::string text;
        for (; from != to; ++from) text += " " + std::to_string(*from);
        return text;
    };
    shown += "order" + join(order.begin(), first) + " |" + join(first, last) + " |" + join(last, order.end()) + "\n";

    const ExamForecast forecast = ExamForecast::Compute(
        chances, {{BuildConstants::ExamTopic, BuildConstants::ExamDifficulty, BuildConstants::ExamQuestions}});
    shown += "-- exam: mean " + Fixed(forecast.meanScore) + "/30, pass " + Fixed(forecast.passProbability) +
             ", mean chance " + Fixed(forecast.meanChance) + "\n";
    for (const TopicChance& t : forecast.topics)
        shown += "topic " + std::to_string(t.topic) + ": " + std::to_string(t.questions) + " " + Fixed(t.chance) + "\n";
    ExpectFile(GetParam() / "expected.txt", shown);
}

std::string CaseName(const ::testing::TestParamInfo<fs::path>& info)
{
    std::string name = info.param.filename().string();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Memory, MemoryCase, ::testing::ValuesIn(Fixtures::Cases("memory")), CaseName);

}  // namespace
