// The statistics file: 20-byte little-endian records, open and close contracts.

#include "bank/cRecordBase.h"

#include "support/Files.h"
#include "support/ProgramTest.h"

#include <gtest/gtest.h>

namespace {

using namespace support;

// How many descriptors of this process are open on the file.
int OpenHandles(const fs::path& path)
{
    int n = 0;
    std::error_code ec;
    for (const auto& fd : fs::directory_iterator("/proc/self/fd", ec))
        n += fs::read_symlink(fd.path(), ec) == fs::weakly_canonical(path, ec);
    return n;
}

class RecordBase : public ::testing::Test {
protected:
    TempDir dir;
    fs::path rec = dir / "bank.dat.rec";
    cRecordBase store;
};

TEST_F(RecordBase, RecordsAtTheirPlaceInLittleEndian)
{
    ASSERT_TRUE(store.CreateNew(rec));
    for (int i = 1; i <= 3; ++i) ASSERT_TRUE(store.ClearRecord(i));
    const cRecordSpec third = Record(0x01020304, -2, 300, 2, -1);
    ASSERT_TRUE(store.WriteRecord(3, third));
    EXPECT_EQ(ReadBytes(rec), std::string(40, '\0') + std::string("\x04\x03\x02\x01" "\xFF\xFF\xFF\xFF"
                                                                  "\xFE\xFF\xFF\xFF" "\x2C\x01\x00\x00"
                                                                  "\x02\x00\x00\x00", 20));
    // Values no program writes (negative counters, an outcome outside 0-2) read as zero.
    const cRecordSpec readable = Record(0x01020304, 0, 300, 2, 0);
    EXPECT_EQ(store.ReadRecord(3), readable);
    EXPECT_EQ(store.ReadAllRecords(), (std::vector<cRecordSpec>{{}, {}, readable}));
    EXPECT_TRUE(cRecordBase::HoldsInvalidRecords(rec));
    ASSERT_TRUE(store.WriteRecord(3, Record(1, 0, 0, 0, 2)));
    EXPECT_FALSE(cRecordBase::HoldsInvalidRecords(rec));
    ASSERT_TRUE(store.WriteRecord(2, Record(0, 0, 0, 3)));
    EXPECT_TRUE(cRecordBase::HoldsInvalidRecords(rec));
    EXPECT_EQ(store.ReadRecord(2), cRecordSpec{});
}

TEST_F(RecordBase, ReadsPastTheEndAreZerosAndWritesThereExtendTheFile)
{
    WriteBytes(rec, std::string(40, '\x07') + std::string("\x09\x00\x00\x00\x01", 5));
    ASSERT_TRUE(store.OpenExisting(rec));
    EXPECT_EQ(store.ReadRecord(2).nVisualizzate, 0x07070707);
    // A last record cut short: what is there, then zeros.
    EXPECT_EQ(store.ReadRecord(3), Record(9, 0, 0, 0, 1));
    EXPECT_EQ(store.ReadAllRecords().back(), Record(9, 0, 0, 0, 1));
    EXPECT_EQ(store.ReadRecord(4), cRecordSpec{});
    EXPECT_EQ(store.ReadRecord(100), cRecordSpec{});
    EXPECT_EQ(fs::file_size(rec), 45u) << "reading does not extend the file";

    ASSERT_TRUE(store.WriteRecord(5, Record(5, 3, 2, 2)));
    EXPECT_EQ(fs::file_size(rec), 100u);
    EXPECT_EQ(store.ReadRecord(4), cRecordSpec{}) << "the gap reads as zeros";
    EXPECT_EQ(store.ReadRecord(5), Record(5, 3, 2, 2));
    EXPECT_EQ(store.ReadAllRecords().size(), 5u);
}

TEST_F(RecordBase, AWriteThatCannotBeDoneFailsAndSaysWhy)
{
    ASSERT_TRUE(store.CreateNew(rec, 2));
    EXPECT_EQ(ReadBytes(rec), std::string(40, '\0')) << "created cleared";
    for (const int32_t bad : {0, -1, INT32_MIN}) {
        const auto written = store.WriteRecord(bad, Record(9, 9, 9, 9));
        ASSERT_FALSE(written) << bad;
        EXPECT_EQ(written.error().description, "nessun record alla posizione " + std::to_string(bad));
        EXPECT_EQ(store.ReadRecord(bad), cRecordSpec{}) << bad;
    }
    EXPECT_EQ(fs::file_size(rec), 40u);

    // Files may not grow past 50 bytes: the third record breaks, as on a full disk.
    Expected<void> full;
    WithFileSizeLimit(50, [&] { full = store.WriteRecord(3, Record(1, 1, 0, 0)); });
    ASSERT_FALSE(full);
    EXPECT_EQ(full.error().description, "scrittura non riuscita su bank.dat.rec: file troppo grande");
}

TEST_F(RecordBase, CreateNewOnlyMakesOpenExistingOnlyOpensAndAClosedStoreDoesNothing)
{
    EXPECT_FALSE(store.OpenExisting(rec));
    EXPECT_FALSE(fs::exists(rec)) << "a failed open creates nothing";
    ASSERT_TRUE(store.CreateNew(rec));
    EXPECT_EQ(store.FileName(), rec);
    ASSERT_TRUE(store.WriteRecord(1, Record(3, 2, 1, 0)));
    cRecordBase second;
    const auto again = second.CreateNew(rec);
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error().kind, Failure::Kind::Exists);
    ASSERT_TRUE(second.OpenExisting(rec));
    EXPECT_EQ(second.ReadRecord(1), Record(3, 2, 1, 0));

    // Opening another file closes the first; a failed open leaves the store closed.
    ASSERT_TRUE(store.CreateNew(dir / "other.rec"));
    EXPECT_EQ(OpenHandles(rec), 1);
    EXPECT_FALSE(store.OpenExisting(dir.path())) << "a folder is no store";
    const auto nowhere = store.CreateNew(dir / "no-such-folder" / "x.rec");
    ASSERT_FALSE(nowhere);
    EXPECT_EQ(nowhere.error().description, "impossibile creare il file x.rec: file o cartella inesistente");
    EXPECT_FALSE(store.Initialized());
    EXPECT_TRUE(store.FileName().empty());
    second.CloseRecordBase();
    EXPECT_EQ(OpenHandles(rec), 0);
    for (cRecordBase* closed : {&store, &second}) {
        EXPECT_EQ(closed->ReadRecord(1), cRecordSpec{});
        EXPECT_TRUE(closed->ReadAllRecords().empty());
        const auto written = closed->WriteRecord(2, Record(2, 2, 2, 2));
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().description, "il file delle statistiche non è aperto");
    }
    EXPECT_EQ(fs::file_size(rec), 20u);
}

TEST_F(RecordBase, TwoStoresOnOneFileSeeEachOthersWrites)
{
    // The statistics window keeps its own store on the bank's file: nothing may be cached.
    cRecordBase window;
    ASSERT_TRUE(store.CreateNew(rec));
    ASSERT_TRUE(window.OpenExisting(rec));
    EXPECT_EQ(window.ReadRecord(2), cRecordSpec{});
    ASSERT_TRUE(store.WriteRecord(2, Record(1, 0, 1, 2)));
    EXPECT_EQ(window.ReadRecord(2), Record(1, 0, 1, 2));
    ASSERT_TRUE(window.ClearRecord(2));
    EXPECT_EQ(store.ReadRecord(2), cRecordSpec{});
}

}  // namespace
