// The statistics file: 20-byte little-endian records, open/close contracts and
// files that cannot be written.

#include "bank/cRecordBase.h"

#include "BankTestSupport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

using banktest::ReadBytes;
using banktest::TempDir;
using banktest::WriteBytes;
namespace fs = std::filesystem;

namespace {

cRecordSpec Rec(int32_t v, int32_t t, int32_t e, int32_t s, int32_t u)
{
    cRecordSpec r;
    r.nVisualizzate = v;
    r.nTralasciate = t;
    r.nEsatte = e;
    r.nSbagliate = s;
    r.bnUltimoEsito = u;
    return r;
}

// How many descriptors of this process are open on the file.
int OpenHandles(const fs::path& path)
{
    int n = 0;
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(path, ec);
    for (const auto& fd : fs::directory_iterator("/proc/self/fd", ec)) {
        std::error_code e2;
        if (fs::read_symlink(fd.path(), e2) == target) ++n;
    }
    return n;
}

// Makes a file impossible to open for writing: read-only mode, and for a
// superuser (who ignores modes) the immutable flag, removed again on destruction.
class Unwritable {
public:
    explicit Unwritable(fs::path path) : m_path(std::move(path))
    {
        fs::permissions(m_path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        if (access(m_path.c_str(), W_OK) == 0) m_immutable = SetImmutable(true);
    }
    ~Unwritable()
    {
        if (m_immutable) SetImmutable(false);
    }
    bool Effective() const { return access(m_path.c_str(), W_OK) != 0 || m_immutable; }

private:
    bool SetImmutable(bool on)
    {
        const int fd = open(m_path.c_str(), O_RDONLY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return ok;
    }

    fs::path m_path;
    bool m_immutable = false;
};

class RecordBase : public ::testing::Test {
protected:
    TempDir dir;
    fs::path rec = dir / "bank.dat.rec";
};

}  // namespace

TEST_F(RecordBase, ByteExactLayout)
{
    cRecordBase store;
    ASSERT_TRUE(store.CreateNew(rec));
    for (int i = 1; i <= 3; ++i) ASSERT_TRUE(store.ClearRecord(i));
    EXPECT_EQ(ReadBytes(rec), std::string(60, '\0'));

    ASSERT_TRUE(store.WriteRecord(2, Rec(1, 0, 1, 0, 0)));
    std::string expected(60, '\0');
    expected[20] = 1;
    expected[28] = 1;
    EXPECT_EQ(ReadBytes(rec), expected);

    // Little-endian, negative values in two's complement.
    ASSERT_TRUE(store.WriteRecord(3, Rec(0x01020304, -1, -2, 300, 2)));
    const std::string third = ReadBytes(rec).substr(40);
    EXPECT_EQ(third, std::string("\x04\x03\x02\x01"
                                 "\xFF\xFF\xFF\xFF"
                                 "\xFE\xFF\xFF\xFF"
                                 "\x2C\x01\x00\x00"
                                 "\x02\x00\x00\x00",
                                 20));
    EXPECT_EQ(store.ReadRecord(3), Rec(0x01020304, -1, -2, 300, 2));
    EXPECT_EQ(store.ReadRecord(2), Rec(1, 0, 1, 0, 0));
    EXPECT_EQ(ReadBytes(rec).substr(0, 20), std::string(20, '\0'));
}

TEST_F(RecordBase, ReadsPastTheEndAreZeros)
{
    WriteBytes(rec, std::string(60, '\x07'));
    cRecordBase store;
    ASSERT_TRUE(store.OpenExisting(rec));
    EXPECT_EQ(store.ReadRecord(100), cRecordSpec{});
    EXPECT_EQ(store.ReadRecord(4), cRecordSpec{});
    EXPECT_EQ(store.ReadRecord(3).nVisualizzate, 0x07070707);
    EXPECT_EQ(fs::file_size(rec), 60u) << "reading does not extend the file";
}

TEST_F(RecordBase, StatisticsFileShorterThanTheBank)
{
    // Two records on file, a bank of four questions.
    WriteBytes(rec, std::string(40, '\0'));
    cRecordBase store;
    ASSERT_TRUE(store.OpenExisting(rec));
    EXPECT_EQ(store.ReadRecord(3), cRecordSpec{});
    ASSERT_TRUE(store.WriteRecord(4, Rec(5, 0, 3, 2, 2)));
    EXPECT_EQ(fs::file_size(rec), 80u);
    EXPECT_EQ(store.ReadRecord(3), cRecordSpec{}) << "the gap reads as zeros";
    EXPECT_EQ(store.ReadRecord(4), Rec(5, 0, 3, 2, 2));
    // A last record cut short: what is there, then zeros.
    store.CloseRecordBase();
    WriteBytes(rec, std::string("\x09\x00\x00\x00\x01\x00", 6));
    ASSERT_TRUE(store.OpenExisting(rec));
    EXPECT_EQ(store.ReadRecord(1).nVisualizzate, 9);
    EXPECT_EQ(store.ReadRecord(1).nTralasciate, 1);
    EXPECT_EQ(store.ReadRecord(1).nEsatte, 0);
    // Reads after a short read still work.
    ASSERT_TRUE(store.WriteRecord(1, Rec(1, 2, 3, 4, 1)));
    EXPECT_EQ(store.ReadRecord(1), Rec(1, 2, 3, 4, 1));
}

TEST_F(RecordBase, RecordNumbersBelowOneAreNeverWritten)
{
    cRecordBase store;
    ASSERT_TRUE(store.CreateNew(rec));
    ASSERT_TRUE(store.WriteRecord(1, Rec(1, 1, 1, 1, 1)));
    for (const int32_t bad : {0, -1, INT32_MIN}) {
        EXPECT_FALSE(store.WriteRecord(bad, Rec(9, 9, 9, 9, 9))) << bad;
        EXPECT_FALSE(store.ClearRecord(bad)) << bad;
        EXPECT_EQ(store.ReadRecord(bad), cRecordSpec{}) << bad;
    }
    EXPECT_EQ(fs::file_size(rec), 20u);
    EXPECT_EQ(store.ReadRecord(1), Rec(1, 1, 1, 1, 1));
}

TEST_F(RecordBase, CreateNewAndOpenExisting)
{
    cRecordBase store;
    EXPECT_FALSE(store.Initialized());
    EXPECT_FALSE(store.OpenExisting(rec));
    EXPECT_FALSE(store.Initialized());
    EXPECT_TRUE(store.FileName().empty());
    EXPECT_FALSE(fs::exists(rec)) << "a failed open creates nothing";

    ASSERT_TRUE(store.CreateNew(rec));
    EXPECT_TRUE(store.Initialized());
    EXPECT_EQ(store.FileName(), rec);
    EXPECT_EQ(fs::file_size(rec), 0u);
    ASSERT_TRUE(store.WriteRecord(1, Rec(3, 0, 2, 1, 0)));

    // CreateNew of an existing file: false, file untouched.
    cRecordBase second;
    EXPECT_FALSE(second.CreateNew(rec));
    EXPECT_FALSE(second.Initialized());
    EXPECT_EQ(fs::file_size(rec), 20u);
    ASSERT_TRUE(second.OpenExisting(rec));
    EXPECT_EQ(second.ReadRecord(1), Rec(3, 0, 2, 1, 0));

    // Opening another file closes the first one.
    const auto other = dir / "other.rec";
    ASSERT_TRUE(store.CreateNew(other));
    EXPECT_EQ(store.FileName(), other);
    EXPECT_EQ(OpenHandles(rec), 1) << "only the second store holds it";

    EXPECT_FALSE(store.OpenExisting(dir.path())) << "a folder is no store";
    EXPECT_FALSE(store.CreateNew(dir / "no-such-folder" / "x.rec"));
    EXPECT_FALSE(store.Initialized());
}

TEST_F(RecordBase, ClosedStoreReadsZerosAndSkipsWrites)
{
    cRecordBase store;
    EXPECT_EQ(store.ReadRecord(1), cRecordSpec{});
    EXPECT_FALSE(store.WriteRecord(1, Rec(1, 1, 1, 1, 1)));

    ASSERT_TRUE(store.CreateNew(rec));
    ASSERT_TRUE(store.WriteRecord(1, Rec(1, 1, 1, 1, 1)));
    store.CloseRecordBase();
    EXPECT_FALSE(store.Initialized());
    EXPECT_TRUE(store.FileName().empty());
    EXPECT_EQ(store.ReadRecord(1), cRecordSpec{});
    EXPECT_FALSE(store.WriteRecord(2, Rec(2, 2, 2, 2, 2)));
    EXPECT_EQ(fs::file_size(rec), 20u);
    store.CloseRecordBase();  // twice is harmless
}

TEST_F(RecordBase, TwoStoresOnOneFileSeeEachOthersWrites)
{
    // The statistics window keeps its own store on the bank's file: nothing may be cached.
    cRecordBase quiz;
    cRecordBase window;
    ASSERT_TRUE(quiz.CreateNew(rec));
    for (int i = 1; i <= 300; ++i) ASSERT_TRUE(quiz.ClearRecord(i));
    ASSERT_TRUE(window.OpenExisting(rec));
    EXPECT_EQ(window.ReadRecord(1), cRecordSpec{});
    EXPECT_EQ(window.ReadRecord(2), cRecordSpec{});
    ASSERT_TRUE(quiz.WriteRecord(2, Rec(1, 0, 0, 1, 2)));
    ASSERT_TRUE(quiz.WriteRecord(250, Rec(7, 0, 7, 0, 0)));
    EXPECT_EQ(window.ReadRecord(2), Rec(1, 0, 0, 1, 2));
    EXPECT_EQ(window.ReadRecord(250), Rec(7, 0, 7, 0, 0));
    ASSERT_TRUE(window.ClearRecord(2));
    EXPECT_EQ(quiz.ReadRecord(2), cRecordSpec{});
}

TEST_F(RecordBase, FileIsReleasedWithTheStore)
{
    {
        cRecordBase store;
        ASSERT_TRUE(store.CreateNew(rec));
        ASSERT_TRUE(store.WriteRecord(2, Rec(4, 0, 4, 0, 1)));
        EXPECT_EQ(OpenHandles(rec), 1);
    }
    EXPECT_EQ(OpenHandles(rec), 0);
    EXPECT_EQ(fs::file_size(rec), 40u) << "writes reached the file";
    {
        cRecordBase store;
        ASSERT_TRUE(store.OpenExisting(rec));
        EXPECT_EQ(store.ReadRecord(2), Rec(4, 0, 4, 0, 1));
        store.CloseRecordBase();
        EXPECT_EQ(OpenHandles(rec), 0);
    }
    EXPECT_TRUE(fs::remove(rec));
    cRecordBase store;
    EXPECT_TRUE(store.CreateNew(rec));
}

TEST_F(RecordBase, UnwritableFileIsNotOpened)
{
    WriteBytes(rec, std::string(20, '\x01'));
    Unwritable lock(rec);
    if (!lock.Effective()) GTEST_SKIP() << "this account can write any file";
    cRecordBase store;
    EXPECT_FALSE(store.OpenExisting(rec));
    EXPECT_FALSE(store.Initialized());
    EXPECT_EQ(store.ReadRecord(1), cRecordSpec{});
    EXPECT_FALSE(store.WriteRecord(1, Rec(1, 1, 1, 1, 1)));
    EXPECT_EQ(ReadBytes(rec), std::string(20, '\x01'));
}
