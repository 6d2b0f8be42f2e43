// The synthetic banks of the benchmarks and fuzz seeds are real data files of the
// promised shape.

#include "bank/cDocumento.h"
#include "bank/DataFileFormat.h"

#include "tools/BankChecker.h"

#include "BankGenerator.h"

#include <gtest/gtest.h>

TEST(BankGenerator, SameSeedSameBytesThatTheCheckerPassesAndTheProgramLoads)
{
    const std::string bytes = BankGenerator::Generate({1000, 4, 3});
    EXPECT_EQ(bytes, BankGenerator::Generate({1000, 4, 3}));
    EXPECT_NE(bytes, BankGenerator::Generate({1000, 4, 4}));
    for (const auto& p : BankChecker::Check(bytes, "gen.dat")) ADD_FAILURE() << p.ToString();

    cDocumento doc;
    doc.LoadFromData(bytes);
    ASSERT_EQ(doc.Quesiti()->Count(), 1000);
    ASSERT_EQ(doc.Argomenti().Count(), 4);
    // Topics in blocks of consecutive gazette numbers.
    int32_t primo = 0, ultimo = 0;
    doc.GetRangePerArgomento(doc.Argomenti().Item(2), primo, ultimo);
    EXPECT_EQ(std::pair(primo, ultimo), std::pair(251, 500));
    int passages = 0, hints = 0, cancelled = 0;
    for (const auto& q : *doc.Quesiti()) {
        passages += !q->Brano.empty();
        hints += !q->Hint.empty();
        cancelled += q->Difficolta == DataFileFormat::Annullato;
    }
    EXPECT_GT(passages, 10);
    EXPECT_GT(hints, 50);
    EXPECT_GT(cancelled, 0);
}
