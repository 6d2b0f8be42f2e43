#include "quiz/ReviewRows.h"

namespace {

// A number outside 1..5 (a damaged session file) shows no letter.
std::string Letter(int32_t answer) { return answer >= 1 && answer <= 5 ? std::string(1, char('A' + answer - 1)) : ""; }

}  // namespace

std::vector<ReviewRow> ReviewRows(const cQuesiti& test)
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
        row.right = q->RispostaData != 0 && q->RispostaData == q->RispostaCorretta;
        row.question = q;
        rows.push_back(std::move(row));
    }
    return rows;
}

const char* ReviewOutcome(bool right) { return right ? "Esatta" : "Errata"; }
