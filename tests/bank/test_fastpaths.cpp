// The quicker ways through the bank core keep the plain ways' results: a sorted draw reads
// the statistics file once per draw, the loader works on bytes in memory.

#include "bank/BankRandom.h"
#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"
#include "bank/cTRSorter.h"

#include "BankTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

using banktest::BankText;
using banktest::TempDir;
using banktest::WriteBytes;

namespace {

cRecordSpec Seen(int32_t times)
{
    cRecordSpec r;
    r.nVisualizzate = times;
    return r;
}

std::vector<int32_t> Codici(const cQuesiti& set)
{
    std::vector<int32_t> out;
    for (const auto& q : set) out.push_back(q->Codice);
    return out;
}

class SortedDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        BankRandom::SetTestSeed(11);
        for (int32_t c = 1; c <= 6; ++c) bank.Add(c)->Difficolta = 1;
        store = std::make_shared<cRecordBase>();
        ASSERT_TRUE(store->CreateNew(dir / "bank.dat.rec"));
        // Question 6 has no record: the file is shorter than the bank.
        const int32_t seen[] = {5, 0, 3, 1, 4};
        for (int32_t c = 1; c <= 5; ++c) ASSERT_TRUE(store->WriteRecord(c, Seen(seen[c - 1])));
        sorter.RecordBase = store;
    }
    void TearDown() override { BankRandom::ClearTestSeed(); }

    TempDir dir;
    cQuesiti bank;
    std::shared_ptr<cRecordBase> store;
    cTRSorter sorter;
};

TEST_F(SortedDraw, OrdersByTheFileAndSeesWritesMadeBetweenDraws)
{
    auto order = Codici(*bank.GetRandomized(&sorter));
    ASSERT_EQ(order.size(), 6u);
    EXPECT_EQ(std::set<int32_t>(order.begin(), order.begin() + 2), (std::set<int32_t>{2, 6})) << "never seen first";
    EXPECT_EQ(std::vector<int32_t>(order.begin() + 2, order.end()), (std::vector<int32_t>{4, 3, 5, 1}));

    // Another store on the same file (the statistics window) changes a record: the next
    // draw reads it, nothing is kept from the last one.
    cRecordBase window;
    ASSERT_TRUE(window.OpenExisting(dir / "bank.dat.rec"));
    ASSERT_TRUE(window.WriteRecord(1, Seen(0)));
    ASSERT_TRUE(window.WriteRecord(6, Seen(9)));
    order = Codici(*bank.GetRandomized(&sorter));
    EXPECT_EQ(std::set<int32_t>(order.begin(), order.begin() + 2), (std::set<int32_t>{1, 2}));
    EXPECT_EQ(order.back(), 6);

    // Outside a draw the sorter reads the file itself.
    ASSERT_TRUE(window.WriteRecord(3, Seen(42)));
    EXPECT_EQ(sorter.GetOrder(*bank.Item(3)), sorter.GetOrder(*bank.Item(3)));
    EXPECT_EQ(sorter.GetOrder(*bank.Item(3)).substr(0, 7), "0000042");
}

TEST_F(SortedDraw, WrongFirstAndOnlyWrongReadTheSameRecords)
{
    cRecordSpec wrong = Seen(2);
    wrong.nSbagliate = 2;
    wrong.bnUltimoEsito = 2;
    ASSERT_TRUE(store->WriteRecord(5, wrong));
    sorter.SoloErrate = true;
    EXPECT_EQ(Codici(*bank.GetRandomized(&sorter)), (std::vector<int32_t>{5}));
    sorter.SoloErrate = false;
    sorter.PrimaErrate = true;
    EXPECT_EQ(bank.GetRandomized(&sorter)->Item(1)->Codice, 5);

    // A closed store reads as all zeros, in a draw as outside one.
    store->CloseRecordBase();
    sorter.PrimaErrate = false;
    EXPECT_EQ(bank.GetRandomized(&sorter)->Count(), 6);
}

TEST(ReadAllRecords, EveryRecordWithAShortLastOneCompleted)
{
    TempDir dir;
    const auto path = dir / "s.rec";
    std::string bytes(45, '\0');
    bytes[0] = 7;              // record 1, nVisualizzate
    bytes[20 + 16] = 2;        // record 2, bnUltimoEsito
    bytes[40] = 1;             // record 3 has 5 of its 20 bytes
    bytes[44] = static_cast<char>(0xFF);  // its nTralasciate's low byte
    WriteBytes(path, bytes);

    cRecordBase store;
    EXPECT_TRUE(store.ReadAllRecords().empty()) << "closed store";
    ASSERT_TRUE(store.OpenExisting(path));
    const auto all = store.ReadAllRecords();
    ASSERT_EQ(all.size(), 3u);
    for (int32_t n = 1; n <= 3; ++n) EXPECT_EQ(all[n - 1], store.ReadRecord(n)) << n;
    EXPECT_EQ(all[0].nVisualizzate, 7);
    EXPECT_EQ(all[1].bnUltimoEsito, 2);
    EXPECT_EQ(all[2].nTralasciate, 0xFF);

    ASSERT_TRUE(store.WriteRecord(5, Seen(3)));
    EXPECT_EQ(store.ReadAllRecords().size(), 5u) << "a write past the end is read back";
    EXPECT_EQ(store.ReadAllRecords()[4].nVisualizzate, 3);
}

TEST(LoadFromData, GivesWhatLoadingTheFileGives)
{
    TempDir dir;
    const std::string data = BankText({
        "AM:Enti locali", "AM:Procedimento", "NR:3",
        "QI:10,2,1,3,99,x",  // fields past the fourth are never read
        "QD:Primo quesito?", "HI:Perch\xE9 s\xEC.", "R1:a", "R2:b", "R3:c",
        "QI:", "QD:Senza numeri?",
        "QI:11,1",
    });
    WriteBytes(dir / "b.dat", data);

    cDocumento fromFile;
    fromFile.LoadFromText(dir / "b.dat");
    cDocumento fromData;
    fromData.LoadFromData(data);
    ASSERT_EQ(fromData.Quesiti()->Count(), 3);
    ASSERT_EQ(fromFile.Quesiti()->Count(), 3);
    EXPECT_EQ(fromData.NumRisposte(), 3);
    EXPECT_EQ(fromData.Argomenti().Count(), fromFile.Argomenti().Count());
    for (int32_t i = 1; i <= 3; ++i) {
        const auto& a = *fromFile.Quesiti()->Item(i);
        const auto& b = *fromData.Quesiti()->Item(i);
        EXPECT_EQ(a.Serial(), b.Serial()) << i;
        EXPECT_EQ(a.VisualHint(), b.VisualHint()) << i;
        EXPECT_EQ(a.Argomento() ? a.Argomento()->ID : 0, b.Argomento() ? b.Argomento()->ID : 0) << i;
    }
    const auto& first = *fromData.Quesiti()->Item(1);
    EXPECT_EQ(first.IDGazzetta, 10);
    EXPECT_EQ(first.Argomento()->Nome, "Procedimento");
    EXPECT_EQ(first.Difficolta, 1);
    EXPECT_EQ(first.RispostaCorretta, 3);
    EXPECT_EQ(fromData.Quesiti()->Item(3)->IDGazzetta, 11);
    EXPECT_EQ(fromData.Quesiti()->Item(3)->Difficolta, 0);

    // A document loaded twice holds the second file only.
    fromData.LoadFromData("AM:Solo\r\n");
    EXPECT_EQ(fromData.Quesiti()->Count(), 0);
    EXPECT_EQ(fromData.Argomenti().Count(), 1);
    EXPECT_EQ(fromData.NumRisposte(), 4);
}

}  // namespace
