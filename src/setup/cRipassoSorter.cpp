#include "setup/cRipassoSorter.h"

#include "bank/cQuesiti.h"
#include "bank/SorterKeys.h"

#include "setup/BankMemory.h"

#include <cmath>

namespace {

constexpr int32_t Cancelled = 9;
enum Group : int32_t { Due = 0, Never = 1, Later = 2 };

}  // namespace

std::string cRipassoSorter::GetOrder(const cQuesito& oQuesito)
{
    if (oQuesito.Difficolta == Cancelled) return SkipKey;
    const QuestionMemory& m = Memory ? Memory->Of(oQuesito.Codice) : QuestionMemory{};
    if (!m.Answered()) return FormatOrderKey(Never, 0);
    const double r = m.Retrievability(Today);
    // Seven digits of the chance; closer ones are ties.
    return FormatOrderKey(r < DueBelow ? Due : Later, static_cast<int32_t>(std::lround(r * 1e6)));
}

int32_t cRipassoSorter::DueCount(const cQuesiti& set, const BankMemory& memory, int32_t today)
{
    int32_t due = 0;
    for (const auto& q : set) {
        const QuestionMemory& m = memory.Of(q->Codice);
        if (q->Difficolta != Cancelled && m.Answered() && m.Retrievability(today) < DueBelow) ++due;
    }
    return due;
}
