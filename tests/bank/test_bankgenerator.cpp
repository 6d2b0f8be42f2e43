// The synthetic banks of the benchmarks and fuzz seeds are real data files of the
// promised shape.

#include "bank/cDocumento.h"
#include "bank/ModEncoding.h"
#include "bank/TextConvert.h"

#include "tools/BankChecker.h"

#include "BankTestSupport.h"
#include "BankGenerator.h"

#include <gtest/gtest.h>
#include <string>

using banktest::TempDir;

namespace {

size_t PlainLength(const std::string& encoded)
{
    return TextConvert::TrimBlanks(ModEncoding::Decode(encoded)).size();
}

TEST(BankGenerator, SameSeedSameBytes)
{
    const std::string a = BankGenerator::Generate({200, 3, 7});
    EXPECT_EQ(a, BankGenerator::Generate({200, 3, 7}));
    EXPECT_NE(a, BankGenerator::Generate({200, 3, 8}));
}

TEST(BankGenerator, WritesABankTheCheckerPassesAndTheProgramLoads)
{
    TempDir dir;
    const auto path = dir / "gen.dat";
    ASSERT_TRUE(BankGenerator::WriteFile(path, {1000, 4, 3}));

    BankChecker::Summary summary;
    const auto problems = BankChecker::CheckFile(path, &summary);
    for (const auto& p : problems) ADD_FAILURE() << p.ToString();
    EXPECT_EQ(summary.questions, 1000);
    EXPECT_EQ(summary.topics, 4);

    const std::string bytes = banktest::ReadBytes(path);
    EXPECT_EQ(bytes.find("\r\n"), bytes.find('\n') - 1);
    size_t lf = 0, crlf = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') ++lf, crlf += i > 0 && bytes[i - 1] == '\r';
    EXPECT_EQ(lf, crlf) << "every line ends in CR LF";

    cDocumento doc;
    doc.LoadFromText(path);
    ASSERT_EQ(doc.Quesiti()->Count(), 1000);
    ASSERT_EQ(doc.Argomenti().Count(), 4);

    // Topics in blocks of consecutive gazette numbers.
    int32_t primo = 0, ultimo = 0;
    doc.GetRangePerArgomento(doc.Argomenti().Item(2), primo, ultimo);
    EXPECT_EQ(primo, 251);
    EXPECT_EQ(ultimo, 500);

    int passages = 0, hints = 0, cancelled = 0;
    std::string allText;
    for (const auto& q : *doc.Quesiti()) {
        const size_t question = PlainLength(q->Descrizione);
        EXPECT_GE(question, 150u) << q->Codice;
        EXPECT_LE(question, 460u) << q->Codice << " (400 plus a little markup)";
        for (int32_t r = 1; r <= 4; ++r) {
            const size_t answer = PlainLength(q->Risposta(r));
            EXPECT_GE(answer, 20u) << q->Codice;
            EXPECT_LE(answer, 150u) << q->Codice;
        }
        EXPECT_GE(q->RispostaCorretta, 1);
        EXPECT_LE(q->RispostaCorretta, 4);
        passages += !q->Brano.empty();
        hints += !q->Hint.empty();
        cancelled += q->Difficolta == 9;
        allText += q->VisualDescrizione();
    }
    EXPECT_GT(passages, 10);
    EXPECT_GT(hints, 50);
    EXPECT_GT(cancelled, 0);
    for (const char accented : {'\xE0', '\xE8', '\xE9', '\xEC', '\xF2', '\xF9'})
        EXPECT_NE(allText.find(accented), std::string::npos) << static_cast<int>(static_cast<unsigned char>(accented));
}

}  // namespace
