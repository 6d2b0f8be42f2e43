#include "quiz/ReviewRows.h"

namespace {

// A number outside 1..5 (a damaged session file) shows no letter.
std::string Letter(int32_t answer) { return answer >= 1 && answer <= 5 ? std::string(1, char('A' + answer - 1)) : ""; }

}  // namespace

std::vector<ReviewRow> ReviewRows(const cQuesiti& test, const std::vector<TestItem>& items)
{
    std::vector<ReviewRow> rows;
    rows.reserve(static_cast<size_t>(test.Count()));
    int32_t number = 0;
    for (const auto& q : test) {
        ReviewRow row;
        row.number = ++number;
        row.gazette = q->IDGazzetta;
        row.given = Letter(q->RispostaData);
        row.correct = Letter(q->RispostaCorretta);
        row.outcome = row.given.empty()                          ? ReviewRow::Outcome::Blank
                      : q->RispostaData == q->RispostaCorretta ? ReviewRow::Outcome::Right
                                                               : ReviewRow::Outcome::Wrong;
        const size_t i = static_cast<size_t>(number - 1);
        row.late = i < items.size() && items[i].Late && !row.given.empty();
        row.question = q;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ReviewOutcome(const ReviewRow& row)
{
    const std::string word = row.outcome == ReviewRow::Outcome::Right   ? "Esatta"
                             : row.outcome == ReviewRow::Outcome::Wrong ? "Errata"
                                                                        : "In bianco";
    return row.late ? word + " (fuori tempo)" : word;
}
