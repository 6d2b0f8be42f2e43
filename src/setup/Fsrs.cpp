#include "setup/Fsrs.h"

#include <algorithm>
#include <cmath>

namespace Fsrs {

namespace {

constexpr double MinStability = 0.001;
constexpr double MaxStability = 36500;

const double Factor = std::pow(0.9, -1.0 / W[20]) - 1.0;

double G(Grade grade) { return static_cast<double>(static_cast<int>(grade)); }

// Unclamped: the mean reversion aims at the "Easy" value even where it lies below 1.
double InitialDifficulty(double g) { return W[4] - std::exp(W[5] * (g - 1.0)) + 1.0; }

double NextDifficulty(double d, double g)
{
    // Linear damping: a change shrinks as the difficulty nears 10.
    const double damped = d + (-W[6] * (g - 3.0)) * (10.0 - d) / 9.0;
    const double reverted = W[7] * InitialDifficulty(4.0) + (1.0 - W[7]) * damped;
    return std::clamp(reverted, 1.0, 10.0);
}

double AfterSuccess(double d, double s, double r)
{
    return s * (1.0 + std::exp(W[8]) * (11.0 - d) * std::pow(s, -W[9]) * (std::exp(W[10] * (1.0 - r)) - 1.0));
}

double AfterLapse(double d, double s, double r)
{
    const double lapse = W[11] * std::pow(d, -W[12]) * (std::pow(s + 1.0, W[13]) - 1.0) * std::exp(W[14] * (1.0 - r));
    // Never above what a lapse on the same day would leave.
    return std::min(lapse, s / std::exp(W[17] * W[18]));
}

double SameDay(double s, double g)
{
    double increase = std::exp(W[17] * (g - 3.0 + W[18])) * std::pow(s, -W[19]);
    // A right answer never lowers the stability.
    if (g >= 3.0) increase = std::max(increase, 1.0);
    return s * increase;
}

}  // namespace

double Retrievability(double days, double stability)
{
    return std::pow(1.0 + Factor * std::max(days, 0.0) / stability, -W[20]);
}

State First(Grade grade)
{
    const double g = G(grade);
    return {W[static_cast<size_t>(grade) - 1], std::clamp(InitialDifficulty(g), 1.0, 10.0)};
}

State Next(const State& state, int32_t days, Grade grade)
{
    const double g = G(grade);
    double s = 0;
    if (days <= 0) {
        s = SameDay(state.stability, g);
    } else {
        const double r = Retrievability(days, state.stability);
        s = grade == Grade::Good ? AfterSuccess(state.difficulty, state.stability, r)
                                 : AfterLapse(state.difficulty, state.stability, r);
    }
    return {std::clamp(s, MinStability, MaxStability), NextDifficulty(state.difficulty, g)};
}

}  // namespace Fsrs
