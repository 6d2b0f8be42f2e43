#include "setup/TestResult.h"

#include <cstdio>

namespace TestResult {

std::string Duration(int64_t seconds)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return buf;
}

std::vector<std::string> Lines(const HistoryEntry& test)
{
    const TestScore s = test.Score();
    std::vector<std::string> lines;
    lines.push_back("Esatte: " + std::to_string(s.right) + " - Errate: " + std::to_string(s.wrong)
                    + " - In bianco: " + std::to_string(s.blank));
    lines.push_back("Punteggio: " + s.PointsText() + " (" + Scoring::PassMarkText() + ")");
    if (test.Exam()) {
        std::string verdict = "Esito: " + std::string(s.Verdict());
        if (test.TimedOut) verdict += " (al termine del tempo)";
        lines.push_back(verdict);
    }
    lines.push_back("Durata: " + Duration(test.DurationSeconds()));
    lines.push_back("Le risposte errate ti sono costate " + Scoring::Decimal(s.lostToWrong) + " punti");
    return lines;
}

}  // namespace TestResult
