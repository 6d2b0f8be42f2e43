// The theme table and the program's first steps (title, data file name, its presence).

#include "bank/BankError.h"
#include "bank/ModThemes.h"
#include "bank/ProgramFolder.h"

#include "setup/ModGlobal.h"

#include "BankTestSupport.h"

#include <gtest/gtest.h>

TEST(Themes, TableInItsOrder)
{
    const auto themes = ModThemes::InitThemes();
    ASSERT_EQ(themes->Count(), 3);
    EXPECT_EQ(themes->Item(1)->Chiave, "default");
    EXPECT_EQ(themes->Item(1)->Nome, "Aspetto standard");
    EXPECT_EQ(themes->Item(2)->Chiave, "bright");
    EXPECT_EQ(themes->Item(3), themes->Item("dark"));
    EXPECT_EQ(themes->Item("dark")->Nome, "Colori scuri");
    EXPECT_EQ(themes->Item("bright")->Nome, "Colori chiari");

    for (const auto& t : *themes) EXPECT_EQ(t->Flag_DarkStats, t->Chiave == "bright") << t->Chiave;

    // Red in the lowest byte.
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    const auto& def = *themes->Item("default");
    EXPECT_EQ(def.Color_Background, RGB(0, 0, 128));
    EXPECT_EQ(def.Color_TopB_Counter, RGB(0, 128, 128));
    EXPECT_EQ(def.Color_S2_AnswerText, RGB(0, 0, 128));
    const auto& bright = *themes->Item("bright");
    EXPECT_EQ(bright.Color_TopB_Background, RGB(176, 192, 208));
    EXPECT_EQ(bright.Color_TopB_Logo, RGB(255, 255, 224));
    const auto& dark = *themes->Item("dark");
    EXPECT_EQ(dark.Color_TopB_NumeroDom, RGB(224, 96, 192));
    EXPECT_EQ(dark.Color_S0_AnswerSide, RGB(112, 128, 144));
    EXPECT_EQ(dark.Color_S1_AnswerSide, RGB(0, 208, 0));
    EXPECT_EQ(dark.Color_S1_AnswerText, RGB(0, 0, 128));
}

TEST(Themes, MissingThemeOrDuplicateKeyIsAnError)
{
    const auto themes = ModThemes::InitThemes();
    EXPECT_THROW(themes->Item(0), BankError);
    EXPECT_THROW(themes->Item(4), BankError);
    EXPECT_THROW(themes->Item(std::string("Dark")), BankError);
    EXPECT_THROW(themes->NewTheme("dark", "Di nuovo"), BankError);
    EXPECT_EQ(themes->Count(), 3);
    EXPECT_EQ(themes->NewTheme("extra", "Extra")->Nome, "Extra");
    EXPECT_EQ(themes->Item(4)->Chiave, "extra");
}

TEST(Globals, InitGlobalsAndTheDataFile)
{
    ModGlobal::Reset();
    ModGlobal::InitGlobals();
    EXPECT_EQ(ModGlobal::CompetitionTitle, "Comune di Roccalvento - 14 istruttori amministrativi");
    EXPECT_EQ(ModGlobal::DataFileName, "rcv14.dat");
    ASSERT_TRUE(ModGlobal::Themes);
    EXPECT_EQ(ModGlobal::Themes->Count(), 3);

    const auto saved = ProgramFolder::Get();
    banktest::TempDir dir;
    ProgramFolder::Set(dir.path());
    EXPECT_FALSE(ModGlobal::DataFileExists());
    std::filesystem::create_directory(dir / "rcv14.dat");
    EXPECT_FALSE(ModGlobal::DataFileExists()) << "a folder is not the data file";
    std::filesystem::remove(dir / "rcv14.dat");
    banktest::WriteBytes(dir / "rcv14.dat", "AM:Uno\r\n");
    EXPECT_TRUE(ModGlobal::DataFileExists());
    banktest::WriteBytes(dir / "other.dat", "");
    ModGlobal::CurrentDataFile = "other.dat";
    EXPECT_EQ(ModGlobal::CurrentRecordPath(), dir / "other.dat.rec");
    ProgramFolder::Set(saved);

    ModGlobal::Reset();
    EXPECT_TRUE(ModGlobal::CompetitionTitle.empty());
    EXPECT_FALSE(ModGlobal::Themes);
}
