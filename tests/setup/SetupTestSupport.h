#pragma once

// Shared by the setup tests: a scratch program folder holding the small
// fixture bank as "rcv14.dat", the globals reset around every test, statistics
// written through the store, and generated banks for the larger cases.

#include "bank/BankRandom.h"
#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"
#include "bank/DataFolders.h"
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/TestSettings.h"

#include "tools/Encoder.h"

#include "Fixtures.h"
#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace setuptest {

namespace fs = std::filesystem;
using testfiles::ReadBytes;
using testfiles::WriteBytes;

struct Question {
    int gazzetta;
    int topic;
    int difficolta;
    int corretta;
};

// Data-file lines for generated questions numbered from firstCodice; the texts
// name their question so that a moved answer is seen.
inline std::string QuestionLines(const std::vector<Question>& questions, int firstCodice)
{
    std::string out;
    int codice = firstCodice;
    for (const auto& q : questions) {
        out += "QI:" + std::to_string(q.gazzetta) + "," + std::to_string(q.topic) + "," + std::to_string(q.difficolta)
               + "," + std::to_string(q.corretta) + "\r\n";
        out += "QD:" + Encoder::Encode("Domanda numero " + std::to_string(codice) + "?") + "\r\n";
        for (int n = 1; n <= 4; ++n)
            out += "R" + std::to_string(n) + ":"
                   + Encoder::Encode("Risposta " + std::to_string(codice) + "." + std::to_string(n)) + "\r\n";
        ++codice;
    }
    return out;
}

// A generated bank of three topics.
inline std::string GeneratedBank(const std::vector<Question>& questions)
{
    return "AM:Ordinamento degli enti locali\r\nAM:Diritto amministrativo\r\nAM:Logica e cultura generale\r\n"
           + QuestionLines(questions, 1);
}

// The bank as its file has it, for comparing texts after a shuffle.
inline std::shared_ptr<cDocumento> Reference(const fs::path& bank)
{
    auto doc = std::make_shared<cDocumento>();
    doc->LoadFromText(bank);
    return doc;
}

// Every test runs on its own program folder holding the small fixture bank
// (Fixtures.h: codes 1-4 topic 1 gazette 1-4 with 4 cancelled, 5-8 topic 2
// gazette 101-104, 9-12 topic 3 gazette 201-204), with the globals as a fresh
// program leaves them, a fixed clock and a fixed seed.
class SetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tq-setup-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        m_oldFolder = ProgramFolder::Get();
        m_oldUserFolder = DataFolders::UserDataFolder();
        DataFolders::SetUserDataFolder(folder.string() + "-user");
        ProgramFolder::Set(folder);
        ModFunzioni::SetTempFolder(folder);
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        ModGlobal::InitGlobals();
        ModGlobal::CurrentDataFile = ModGlobal::DataFileName;
        ModFunzioni::DefineFilters();
        ModFunzioni::DefineExamSets();
        Clock::SetFixedNowText("05/03/2024 09:07:02");
        BankRandom::SetTestSeed(7);
        ASSERT_TRUE(fs::exists(Fixtures::Small())) << "fixture banks not built";
        fs::copy_file(Fixtures::Small(), DataPath());
    }

    void TearDown() override
    {
        ModGlobal::Reset();  // closes the statistics file before the folder goes
        ModGlobal::ResetTestSettings();
        BankRandom::ClearTestSeed();
        Clock::SetFixedNowText("");
        ModFunzioni::SetTempFolder({});
        ProgramFolder::Set(m_oldFolder);
        DataFolders::SetUserDataFolder(m_oldUserFolder);
        std::error_code ec;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder, ec);
        fs::remove_all(folder.string() + "-user", ec);
    }

    fs::path DataPath() const { return folder / "rcv14.dat"; }
    fs::path RecPath() const { return folder / "rcv14.dat.rec"; }

    // The small bank with more questions after its twelve.
    void AppendToBank(const std::vector<Question>& questions)
    {
        WriteBytes(DataPath(), ReadBytes(Fixtures::Small()) + QuestionLines(questions, 13));
    }

    // A statistics file of `count` cleared records plus the given ones,
    // written through the store the program uses.
    void WriteStats(const std::vector<std::pair<int32_t, cRecordSpec>>& records, int32_t count = 12)
    {
        std::error_code ec;
        fs::remove(RecPath(), ec);
        cRecordBase store;
        ASSERT_TRUE(store.CreateNew(RecPath()));
        for (int32_t i = 1; i <= count; ++i) store.ClearRecord(i);
        for (const auto& [codice, rec] : records) ASSERT_TRUE(store.WriteRecord(codice, rec));
    }

    // The settings BeginTest leaves for a topic-list row and an ordering.
    static void Choose(int row, int32_t orderMode, int32_t count = 0)
    {
        using namespace ModGlobal;
        const cFiltroMain& f = Filters.at(static_cast<size_t>(row));
        if (f.UltimoArg < 1 && f.PrimoArg > 0) {
            TopicFilter = f.PrimoArg;
            TopicRangeFirst = TopicRangeLast = TopicRangeExtra = 0;
        } else {
            TopicFilter = 0;
            TopicRangeFirst = f.PrimoArg;
            TopicRangeLast = f.UltimoArg;
            TopicRangeExtra = f.ExtraArg;
        }
        GazetteRangeFirst = f.PrimoIDGazzetta;
        GazetteRangeLast = f.UltimoIDGazzetta;
        OrderMode = orderMode;
        QuestionCount = count;
    }

    static std::vector<int32_t> Codes()
    {
        std::vector<int32_t> codes;
        if (ModGlobal::TestSet)
            for (const auto& q : *ModGlobal::TestSet) codes.push_back(q->Codice);
        return codes;
    }

    fs::path folder;

private:
    fs::path m_oldFolder;
    fs::path m_oldUserFolder;
};

}  // namespace setuptest
