// Where the bank is read from and where what the program writes for it goes.

#include "bank/BankFiles.h"
#include "bank/DataFolders.h"

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

namespace {

using namespace support;

// The program folder is <root>/prog, so the installed data is <root>/share;
// <root>/xdg is a desktop data folder and <root>/user the per-user folder.
class DataFoldersTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        DataFolders::SetDesktopDataFolders({root / "xdg"});
        fs::remove(DataPath());
    }
    fs::path Put(const std::string& folder)
    {
        fs::create_directories(root / folder);
        WriteBytes(root / folder / "rcv14.dat", "AM:x\r\n");
        return root / folder / "rcv14.dat";
    }
};

TEST_F(DataFoldersTest, BankIsFoundBesideTheProgramThenInstalledThenInTheDesktopFolders)
{
    fs::create_directory(DataPath());
    EXPECT_FALSE(DataFolders::BankExists("rcv14.dat")) << "a folder is no bank";
    EXPECT_EQ(DataFolders::BankPath("rcv14.dat"), DataPath()) << "where a missing bank is reported";
    fs::remove(DataPath());
    for (const char* folder : {"xdg/tessarondequiz", "share/tessarondequiz", "prog"})
        EXPECT_EQ(DataFolders::BankPath("rcv14.dat"), Put(folder));
    EXPECT_TRUE(DataFolders::BankExists("rcv14.dat"));
}

TEST_F(DataFoldersTest, WrittenFilesStayBesideAWritableBankBesideTheProgramAndGoToTheUserFolderOtherwise)
{
    const fs::path bank = Put("prog");
    const BankFiles files = BankFiles::For("rcv14.dat");
    EXPECT_EQ(files.record, ProgramDir() / "rcv14.dat.rec");
    EXPECT_EQ(files.log, ProgramDir() / "rcv14.log");
    EXPECT_EQ(files.interrupted, ProgramDir() / "rcv14.dat.interrotto.test");
    EXPECT_FALSE(fs::exists(UserDir()));
    // An installed bank's folder is the package manager's, writable or not.
    EXPECT_EQ(DataFolders::WritableFolderFor(Put("share/tessarondequiz")), UserDir());

    fs::permissions(ProgramDir(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(DataFolders::IsWritable(ProgramDir()));
    EXPECT_EQ(DataFolders::WritableFolderFor(bank), UserDir());
    EXPECT_TRUE(fs::is_directory(UserDir()));
    fs::permissions(ProgramDir(), fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
