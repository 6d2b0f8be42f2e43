#pragma once

#include <array>
#include <cstdint>

// FSRS-6, the Free Spaced Repetition Scheduler of the open-spaced-repetition
// project, with its default parameters: the memory of one question as its
// stability (days until the chance of recall falls to 90%) and difficulty
// (1 to 10), and that chance, the retrievability, some days later.
namespace Fsrs {

inline constexpr std::array<double, 21> W = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                             0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                             1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

// A wrong answer is "Again", a right one "Good".
enum class Grade { Again = 1, Good = 3 };

inline Grade GradeOf(bool right) { return right ? Grade::Good : Grade::Again; }

struct State {
    double stability = 0;
    double difficulty = 0;
};

// R = (1 + f t / S)^-w20, f = 0.9^(-1/w20) - 1: 0.9 when t = S.
double Retrievability(double days, double stability);

// After the first answer.
State First(Grade grade);

// After an answer `days` calendar days after the previous one; none (or a
// clock set back) takes the same-day rule.
State Next(const State& state, int32_t days, Grade grade);

}  // namespace Fsrs
