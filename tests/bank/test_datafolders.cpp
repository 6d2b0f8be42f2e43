#include "bank/DataFolders.h"
#include "bank/ProgramFolder.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testfiles::TempDir;
using testfiles::WriteBytes;

// An installed tree in a scratch folder: <root>/bin is the program folder,
// <root>/share the installed data, <root>/xdg a desktop data folder and
// <root>/user the per-user folder (made on first use).
class DataFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldProgram = ProgramFolder::Get();
        m_oldUser = DataFolders::UserDataFolder();
        fs::create_directories(root / "bin");
        ProgramFolder::Set(root / "bin");
        DataFolders::SetDesktopDataFolders({root / "xdg"});
        DataFolders::SetUserDataFolder(root / "user");
    }
    void TearDown() override
    {
        ProgramFolder::Set(m_oldProgram);
        DataFolders::SetDesktopDataFolders({});
        DataFolders::SetUserDataFolder(m_oldUser);
    }
    void Put(const fs::path& folder)
    {
        fs::create_directories(root / folder);
        WriteBytes(root / folder / "bank.dat", "AM:x\r\n");
    }

    TempDir root;

private:
    fs::path m_oldProgram;
    fs::path m_oldUser;
};

TEST_F(DataFoldersTest, BankIsFoundBesideTheProgramThenInstalledThenInTheDesktopFolders)
{
    EXPECT_FALSE(DataFolders::BankExists("bank.dat"));
    EXPECT_EQ(DataFolders::BankPath("bank.dat"), root / "bin" / "bank.dat");  // where it is reported missing
    Put("xdg/tessarondequiz");
    EXPECT_EQ(DataFolders::BankPath("bank.dat"), root / "xdg/tessarondequiz/bank.dat");
    Put("share/tessarondequiz");
    EXPECT_EQ(DataFolders::BankPath("bank.dat"), root / "share/tessarondequiz/bank.dat");
    Put("bin");
    EXPECT_EQ(DataFolders::BankPath("bank.dat"), root / "bin/bank.dat");
    EXPECT_TRUE(DataFolders::BankExists("bank.dat"));
}

TEST_F(DataFoldersTest, WrittenFilesStayBesideAWritableBankBesideTheProgramAndGoToTheUserFolderOtherwise)
{
    Put("bin");
    const fs::path bank = DataFolders::BankPath("bank.dat");
    EXPECT_EQ(DataFolders::WritableFolderFor(bank), bank.parent_path());
    EXPECT_FALSE(fs::exists(root / "user"));
    // An installed bank's folder is the package manager's, writable or not.
    Put("share/tessarondequiz");
    EXPECT_EQ(DataFolders::WritableFolderFor(root / "share/tessarondequiz/bank.dat"), root / "user");

    fs::permissions(bank.parent_path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(DataFolders::IsWritable(bank.parent_path()));
    EXPECT_EQ(DataFolders::WritableFolderFor(bank), root / "user");
    EXPECT_TRUE(fs::is_directory(root / "user"));
    fs::permissions(bank.parent_path(), fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
