#include "setup/ExamForecast.h"

#include "setup/BuildConstants.h"

#include <map>
#include <random>
#include <utility>

namespace {

constexpr int32_t Cancelled = 9;

// dist[k]: the chance of exactly k right answers among questions of these chances.
void RightCounts(const std::vector<double>& chances, std::vector<double>& dist)
{
    dist.assign(chances.size() + 1, 0.0);
    dist[0] = 1.0;
    for (size_t i = 0; i < chances.size(); ++i) {
        const double p = chances[i];
        for (size_t k = i + 1; k > 0; --k) dist[k] = dist[k] * (1.0 - p) + dist[k - 1] * p;
        dist[0] *= 1.0 - p;
    }
}

double Thirtieths(size_t right, size_t asked)
{
    const double points = static_cast<double>(right) * BuildConstants::PointsRight +
                          static_cast<double>(asked - right) * BuildConstants::PointsWrong;
    return points / static_cast<double>(asked) * BuildConstants::MarkScale;
}

bool Matches(const ForecastQuestion& q, const cSetEsame& entry)
{
    return q.difficolta != Cancelled && (entry.IDArgomento == 0 || q.topic == entry.IDArgomento) &&
           (entry.Difficolta == 0 || q.difficolta == entry.Difficolta);
}

}  // namespace

ExamForecast ExamForecast::Compute(const std::vector<ForecastQuestion>& bank, const std::vector<cSetEsame>& composition,
                                   int32_t draws, uint32_t seed)
{
    ExamForecast forecast;
    std::map<int32_t, std::pair<int32_t, double>> byTopic;
    int32_t kept = 0;
    for (const ForecastQuestion& q : bank) {
        if (q.difficolta == Cancelled) continue;
        auto& [count, sum] = byTopic[q.topic];
        ++count;
        sum += q.chance;
        ++kept;
        forecast.meanChance += q.chance;
    }
    if (kept > 0) forecast.meanChance /= kept;
    for (const auto& [topic, figures] : byTopic)
        forecast.topics.push_back({topic, figures.first, figures.second / figures.first});

    std::vector<std::vector<uint32_t>> candidates(composition.size());
    for (size_t e = 0; e < composition.size(); ++e)
        for (size_t i = 0; i < bank.size(); ++i)
            if (Matches(bank[i], composition[e])) candidates[e].push_back(static_cast<uint32_t>(i));

    // Each draw shuffles a candidate list only as far as it takes from it; a list left as an
    // earlier draw shuffled it is as good a start as any.
    std::mt19937 rng(seed);
    std::vector<int32_t> takenIn(bank.size(), -1);
    std::vector<double> chances;
    std::vector<double> dist;
    double scoreSum = 0;
    double passSum = 0;
    int32_t counted = 0;
    for (int32_t d = 0; d < draws; ++d) {
        chances.clear();
        for (size_t e = 0; e < composition.size(); ++e) {
            std::vector<uint32_t>& c = candidates[e];
            int32_t added = 0;
            for (size_t j = 0; j < c.size() && added < composition[e].NumeroDomande; ++j) {
                const auto left = static_cast<uint64_t>(c.size() - j);
                std::swap(c[j], c[j + static_cast<size_t>((static_cast<uint64_t>(rng()) * left) >> 32)]);
                // Entries may overlap; a question is asked once.
                if (takenIn[c[j]] == d) continue;
                takenIn[c[j]] = d;
                chances.push_back(bank[c[j]].chance);
                ++added;
            }
        }
        if (chances.empty()) break;
        RightCounts(chances, dist);
        for (size_t k = 0; k < dist.size(); ++k) {
            const double mark = Thirtieths(k, chances.size());
            scoreSum += dist[k] * mark;
            // Points are sums of hundredths: a mark a rounding below the pass mark reaches it.
            if (mark >= BuildConstants::PassMark - 1e-9) passSum += dist[k];
        }
        ++counted;
    }
    if (counted > 0) {
        forecast.meanScore = scoreSum / counted;
        forecast.passProbability = passSum / counted;
    }
    return forecast;
}
