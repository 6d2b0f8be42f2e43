#include "tools/import/BankComparison.h"

#include <map>

namespace Import {

namespace {

std::string Quoted(const std::string& text)
{
    constexpr size_t Max = 60;
    return "\"" + (text.size() > Max ? text.substr(0, Max) + "..." : text) + "\"";
}

}  // namespace

Diagnostics CompareBanks(const Bank& current, const Bank& old)
{
    Diagnostics problems;
    std::multimap<std::string, size_t> positions;  // question text -> position in current
    for (size_t p = 0; p < current.quesiti.size(); ++p) positions.emplace(current.quesiti[p].domanda, p);
    const size_t common = std::min(current.quesiti.size(), old.quesiti.size());
    for (size_t p = 0; p < common; ++p) {
        const Question& now = current.quesiti[p];
        const Question& was = old.quesiti[p];
        // The same text, or the same gazette number (a corrected question, as --update keeps it): the same question.
        if (now.domanda == was.domanda || now.numero == was.numero) continue;
        std::string where;
        const auto range = positions.equal_range(was.domanda);
        for (auto it = range.first; it != range.second; ++it)
            if (it->second != p) {
                where = ", which is now at position " + std::to_string(it->second + 1);
                break;
            }
        problems.push_back({current.input, now.line,
                            "position " + std::to_string(p + 1) + " holds another question than in " + old.input + ": "
                                + Quoted(now.domanda) + " instead of " + Quoted(was.domanda) + where
                                + "; its statistics would go to the other question"});
    }
    if (old.quesiti.size() > current.quesiti.size())
        problems.push_back({current.input, 0,
                            "positions " + std::to_string(common + 1) + " to " + std::to_string(old.quesiti.size()) + " of "
                                + old.input + " are gone; keep them as cancelled (difficulty 9) so that no statistics "
                                  "are lost or given to new questions"});
    return problems;
}

}  // namespace Import
