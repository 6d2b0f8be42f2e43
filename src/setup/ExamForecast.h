#pragma once

#include "bank/cSetEsame.h"

#include <cstdint>
#include <vector>

// One question as the forecast sees it.
struct ForecastQuestion {
    int32_t topic = 0;  // topic ID, 0 for none
    int32_t difficolta = 0;
    double chance = 0;  // of a right answer today
};

struct TopicChance {
    int32_t topic = 0;
    int32_t questions = 0;  // not cancelled
    double chance = 0;      // their mean chance of a right answer
};

// "Se l'esame fosse oggi": the exam composition drawn many times from the bank
// (cancelled questions left out), every question answered, scored by the
// competition's rule. For each draw the number right is exact (a sum of
// unequal chances, by dynamic programming); the draws come from a fixed seed,
// so the same chances always give the same figures.
struct ExamForecast {
    static constexpr int32_t kDraws = 10000;
    static constexpr uint32_t kSeed = 20240521;

    double meanScore = 0;        // in thirtieths
    double passProbability = 0;  // of reaching the pass mark
    double meanChance = 0;       // over the bank's questions not cancelled
    std::vector<TopicChance> topics;  // by topic ID, those with questions

    static ExamForecast Compute(const std::vector<ForecastQuestion>& bank, const std::vector<cSetEsame>& composition,
                                int32_t draws = kDraws, uint32_t seed = kSeed);
};
