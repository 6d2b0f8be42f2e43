// Honest figures: a simulated candidate whose memory is not ours. Each question
// has its own half-life, chosen at random, which grows with every answer (more
// after a right one); between answers the chance of knowing it halves with
// each half-life, and a forgotten question is still guessed right one time in
// four. A first answer is right with the candidate's own chance for that
// question. The candidate studies 90 days, most days 50 questions in the
// "RIPASSO PROGRAMMATO" order our memory gives, and repeats the wrong ones at
// the end of the session. Its log is read back as the program reads any log.
//
// Reported: the RMSE between predicted chance and outcome over ten bins of
// predicted chance (answers after the first of a question; "all" with the first
// ones too, predicted by the share of right first answers), and the forecast
// for the next day against 20,000 simulated exams of that day.
#include "setup/BankMemory.h"
#include "setup/BuildConstants.h"
#include "setup/Clock.h"
#include "setup/ExamForecast.h"
#include "setup/Fsrs.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int32_t kQuestions = 1000;
constexpr int32_t kStudyDays = 90;
constexpr int32_t kPerSession = 50;
constexpr int32_t kFirstDay = 19723;  // 01/01/2024
constexpr double kGuess = 0.25;

struct Candidate {
    double halfLife = 0;     // days
    double firstChance = 0;  // of a right first answer
    double lastSeen = -1;    // day and fraction; -1 never
};

double TrueChance(const Candidate& c, double when)
{
    if (c.lastSeen < 0) return c.firstChance;
    return kGuess + (1 - kGuess) * std::exp2(-(when - c.lastSeen) / c.halfLife);
}

// Ten bins of predicted chance: sum of predictions, of outcomes, count.
struct Bins {
    std::array<std::array<double, 3>, 10> bins{};
    void Add(double predicted, bool right)
    {
        auto& b = bins[static_cast<size_t>(std::min(predicted * 10, 9.0))];
        b[0] += predicted;
        b[1] += right ? 1 : 0;
        b[2] += 1;
    }
    double Rmse() const
    {
        double sum = 0;
        double n = 0;
        for (const auto& b : bins)
            if (b[2] > 0) {
                sum += b[2] * std::pow(b[0] / b[2] - b[1] / b[2], 2);
                n += b[2];
            }
        return n > 0 ? std::sqrt(sum / n) : 0;
    }
};

std::string LogLine(int32_t day, int32_t minute, int32_t codice, bool right)
{
    char rest[48];
    std::snprintf(rest, sizeof rest, " %02d:%02d:00|%d|%d\r\n", 18 + minute / 60, minute % 60, codice, right ? 1 : 0);
    return "DOM:" + Clock::DateText(day) + rest;
}

void BM_HonestFigures(benchmark::State& state)
{
    for (auto _ : state) {
        std::mt19937 rng(11);
        std::uniform_real_distribution<double> unit(0, 1);
        std::vector<Candidate> candidate(kQuestions + 1);
        for (auto& c : candidate) {
            c.halfLife = std::exp(std::log(0.5) + unit(rng) * (std::log(20.0) - std::log(0.5)));
            c.firstChance = kGuess + (1 - kGuess) * 0.5 * unit(rng);
        }
        // Our memory, kept as the program's replay keeps it, for the predictions and the order.
        std::vector<Fsrs::State> ours(kQuestions + 1);
        std::vector<int32_t> lastDay(kQuestions + 1, -1);
        int32_t firsts = 0;
        int32_t rightFirsts = 0;
        Bins repeats;
        Bins all;
        std::string log;

        for (int32_t d = 0; d < kStudyDays; ++d) {
            if (unit(rng) > 0.85) continue;
            const int32_t day = kFirstDay + d;
            // Due first (lowest chance first), then never answered, then the others.
            std::vector<std::pair<double, int32_t>> keyed;
            for (int32_t q = 1; q <= kQuestions; ++q) {
                const double r = lastDay[q] < 0 ? 0 : Fsrs::Retrievability(day - lastDay[q], ours[q].stability);
                const double group = lastDay[q] < 0 ? 1 : r < 0.9 ? 0 : 2;
                keyed.push_back({group * 10 + (lastDay[q] < 0 ? unit(rng) : r), q});
            }
            std::sort(keyed.begin(), keyed.end());
            std::vector<int32_t> session;
            for (int32_t i = 0; i < kPerSession; ++i) session.push_back(keyed[static_cast<size_t>(i)].second);
            std::vector<int32_t> again;
            int32_t minute = 0;
            for (int32_t round = 0; round < 2; ++round) {
                for (const int32_t q : round == 0 ? session : again) {
                    const double when = d + (18 * 60 + minute) / 1440.0;
                    const bool first = lastDay[q] < 0;
                    const double predicted =
                        first ? (rightFirsts + 1.0) / (firsts + 4)
                              : Fsrs::Retrievability(day - lastDay[q], ours[q].stability);
                    const bool right = unit(rng) < TrueChance(candidate[q], when);
                    all.Add(predicted, right);
                    if (!first) repeats.Add(predicted, right);
                    if (first) {
                        ++firsts;
                        if (right) ++rightFirsts;
                    }
                    ours[q] = first ? Fsrs::First(Fsrs::GradeOf(right))
                                    : Fsrs::Next(ours[q], day - lastDay[q], Fsrs::GradeOf(right));
                    lastDay[q] = day;
                    Candidate& c = candidate[q];
                    if (c.lastSeen >= 0) c.halfLife *= right ? 2.2 : 1.1;
                    c.lastSeen = when;
                    log += LogLine(day, minute++, q, right);
                    if (round == 0 && !right) again.push_back(q);
                }
            }
        }

        // The next day, through the program's own reading of the log.
        const int32_t examDay = kFirstDay + kStudyDays;
        std::vector<int32_t> topicOf(kQuestions + 1, 1);
        topicOf[0] = -1;
        BankMemory memory;
        memory.Replay(log, topicOf);
        std::vector<ForecastQuestion> chances;
        for (int32_t q = 1; q <= kQuestions; ++q) chances.push_back({1, 1, memory.Chance(q, examDay, 4)});
        const ExamForecast forecast = ExamForecast::Compute(
            chances, {{BuildConstants::ExamTopic, BuildConstants::ExamDifficulty, BuildConstants::ExamQuestions}});

        constexpr int32_t kExams = 20000;
        double scoreSum = 0;
        int32_t passed = 0;
        std::vector<int32_t> pool(kQuestions);
        std::iota(pool.begin(), pool.end(), 1);
        const double when = kStudyDays + 0.4;
        for (int32_t e = 0; e < kExams; ++e) {
            int32_t right = 0;
            for (int32_t i = 0; i < BuildConstants::ExamQuestions; ++i) {
                std::swap(pool[static_cast<size_t>(i)],
                          pool[static_cast<size_t>(i) + rng() % static_cast<uint32_t>(kQuestions - i)]);
                if (unit(rng) < TrueChance(candidate[static_cast<size_t>(pool[static_cast<size_t>(i)])], when))
                    ++right;
            }
            const int32_t n = BuildConstants::ExamQuestions;
            const double mark = (right * BuildConstants::PointsRight + (n - right) * BuildConstants::PointsWrong) / n *
                                BuildConstants::MarkScale;
            scoreSum += mark;
            if (mark >= BuildConstants::PassMark - 1e-9) ++passed;
        }
        state.counters["rmse_bins"] = repeats.Rmse();
        state.counters["rmse_bins_all"] = all.Rmse();
        state.counters["forecast_30"] = forecast.meanScore;
        state.counters["simulated_30"] = scoreSum / kExams;
        state.counters["forecast_pass"] = forecast.passProbability;
        state.counters["simulated_pass"] = static_cast<double>(passed) / kExams;
        state.counters["answers"] = static_cast<double>(std::count(log.begin(), log.end(), '\n'));
    }
}
BENCHMARK(BM_HonestFigures)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
