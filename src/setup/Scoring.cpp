#include "setup/Scoring.h"

#include "setup/BuildConstants.h"

#include <cmath>
#include <cstdio>

namespace Scoring {

TestScore Of(const std::vector<TestItem>& items)
{
    using namespace BuildConstants;
    TestScore s;
    for (const TestItem& item : items) {
        if (item.Given <= 0 || item.Late) ++s.blank;
        else if (item.Given == item.Correct) ++s.right;
        else ++s.wrong;
    }
    s.points = s.right * PointsRight + s.wrong * PointsWrong + s.blank * PointsBlank;
    s.lostToWrong = -s.wrong * PointsWrong;
    const int32_t total = s.Total();
    s.thirtieths = total > 0 ? s.points / total * MarkScale : 0;
    // -0.33 is no exact binary number: a mark a hair below the pass mark is the pass mark.
    s.passed = total > 0 && s.thirtieths >= PassMark - 1e-9;
    return s;
}

std::string Decimal(double value)
{
    // Two decimals, rounded half away from zero as a person reads them: 12,525 is
    // 12,53 even when its binary form falls a hair below.
    const double rounded = std::round(value * 100.0 + (value < 0 ? -1e-7 : 1e-7)) / 100.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", rounded == 0 ? 0.0 : rounded);
    std::string text = buf;
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string PassMarkText()
{
    return "minimo " + std::to_string(static_cast<int>(BuildConstants::PassMark)) + "/"
           + std::to_string(static_cast<int>(BuildConstants::MarkScale));
}

int32_t Percent(int64_t right, int64_t answers)
{
    return answers > 0 ? static_cast<int32_t>(right * 100 / answers) : 0;
}

}  // namespace Scoring

std::string TestScore::PointsText() const
{
    return Scoring::Decimal(points) + " su " + std::to_string(Total()) + " \u2014 " + Scoring::Decimal(thirtieths) + "/"
           + std::to_string(static_cast<int>(BuildConstants::MarkScale));
}
