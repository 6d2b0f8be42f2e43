#pragma once

// Shared by the statistics tests: a scratch program folder holding the small
// fixture bank as "rcv14.dat" (codes 1-4 topic 1, gazette 1-4, 4 cancelled;
// 5-8 topic 2, gazette 101-104; 9-12 topic 3, gazette 201-204) and its
// statistics file written through the store the program uses.

#include "bank/cRecordBase.h"
#include "bank/ProgramFolder.h"

#include "setup/Clock.h"
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
#include <string>
#include <utility>
#include <vector>

namespace statstest {

namespace fs = std::filesystem;
using testfiles::ReadBytes;
using testfiles::WriteBytes;

inline cRecordSpec Rec(int32_t vis, int32_t ok, int32_t err, int32_t esito, int32_t tralasciate = 0)
{
    cRecordSpec r;
    r.nVisualizzate = vis;
    r.nTralasciate = tralasciate;
    r.nEsatte = ok;
    r.nSbagliate = err;
    r.bnUltimoEsito = esito;
    return r;
}

// A bank of one topic and `count` questions, gazette numbers from 1.
inline std::string SingleTopicBank(int count)
{
    std::string out = "AM:Argomento unico\r\n";
    for (int i = 1; i <= count; ++i) {
        out += "QI:" + std::to_string(i) + ",1,1,1\r\n";
        out += "QD:" + Encoder::Encode("Domanda " + std::to_string(i) + "?") + "\r\n";
        for (int n = 1; n <= 4; ++n) out += "R" + std::to_string(n) + ":" + Encoder::Encode("Risposta") + "\r\n";
    }
    return out;
}

class StatsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tq-stats-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        m_oldFolder = ProgramFolder::Get();
        ProgramFolder::Set(folder);
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        ModGlobal::InitGlobals();
        ModGlobal::CurrentDataFile = ModGlobal::DataFileName;
        ASSERT_TRUE(fs::exists(Fixtures::Small())) << "fixture banks not built";
        fs::copy_file(Fixtures::Small(), DataPath());
    }

    void TearDown() override
    {
        ModGlobal::Reset();
        ModGlobal::ResetTestSettings();
        Clock::SetFixedNowText("");
        ProgramFolder::Set(m_oldFolder);
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    fs::path DataPath() const { return folder / "rcv14.dat"; }
    fs::path RecPath() const { return folder / "rcv14.dat.rec"; }

    // `count` cleared records, then the given ones.
    void WriteStats(const std::vector<std::pair<int32_t, cRecordSpec>>& records, int32_t count = 12)
    {
        std::error_code ec;
        fs::remove(RecPath(), ec);
        cRecordBase store;
        ASSERT_TRUE(store.CreateNew(RecPath()));
        for (int32_t i = 1; i <= count; ++i) store.ClearRecord(i);
        for (const auto& [codice, rec] : records) ASSERT_TRUE(store.WriteRecord(codice, rec));
    }

    // A varied file: every question seen, some wrong ("X"), the cancelled one too.
    void WriteMixedStats()
    {
        WriteStats({{1, Rec(3, 2, 1, 2)},
                    {2, Rec(12, 12, 0, 0)},
                    {3, Rec(1, 0, 1, 1)},
                    {4, Rec(5, 1, 4, 2, 7)},
                    {5, Rec(2, 0, 2, 2)},
                    {6, Rec(7, 7, 0, 1)},
                    {7, Rec(4, 1, 3, 2, 9)},
                    {8, Rec(100, 50, 50, 0)},
                    {9, Rec(9, 0, 9, 2)},
                    {10, Rec(1, 1, 0, 0)},
                    {11, Rec(0, 0, 0, 0)},
                    {12, Rec(6, 3, 3, 2)}});
    }

    fs::path LogPath() const { return folder / "rcv14.log"; }

    // Answers over several days, seen on 10/03/2024 (the 30 days shown start on
    // 10/02): valid lines between a build line and damaged ones, CR LF and LF.
    void WriteProgressFiles()
    {
        WriteBytes(LogPath(),
                   "DOM:05/01/2024 10:00:00|0|rcv14.dat|0|30|False|True|0|0|1\r\n"  // a test build
                   "DOM:05/01/2024 10:01:00|1|0\r\n"  // before the 30 days
                   "DOM:10/02/2024 09:00:00|1|1\r\n"
                   "DOM:10/02/2024 09:01:00|5|0\n"
                   "DOM:29/02/2024 12:00:00|12|0\r\n"
                   "DOM:04/03/2024 18:00:00|5|1\r\n"
                   "DOM:04/03/2024 18:01:00|9|1\r\n"
                   "DOM:04/03/2024 18:02:00|10|0\r\n"
                   "DOM:04/03/2024 18:03:00|6|\r\n"
                   "DOM:31/02/2024 10:00:00|6|1\r\n"
                   "DOM:04/03/2024 24:00:00|6|1\r\n"
                   "DOM:04/03/2024 18:04:00|13|1\r\n"
                   "DOM:04/03/2024 18:05:00|x6|1\r\n"
                   "DOM:04/03/2024 18:06:00|6|2\r\n"
                   "\x81\xff|garbage\r\n"
                   "DOM:10/03/2024 08:00:00|4|1\r\n"   // the cancelled question
                   "DOM:10/03/2024 08:01:00|1|0\r\n"   // question 1's last answer
                   "DOM:11/03/2024 08:00:00|2|1\r\n"   // a clock set forward
                   "DOM:04/03/2024 18:07");              // cut off by a crash
        WriteStats({{1, Rec(3, 2, 1, 2)}, {2, Rec(1, 1, 0, 0)}, {4, Rec(5, 1, 4, 2)}, {5, Rec(2, 1, 1, 1)},
                    {9, Rec(1, 1, 0, 0)}, {10, Rec(1, 0, 1, 2)}});
        Clock::SetFixedNowText("10/03/2024 21:00:00");
    }

    cRecordSpec ReadStat(int32_t codice) const
    {
        cRecordBase store;
        EXPECT_TRUE(store.OpenExisting(RecPath()));
        return store.ReadRecord(codice);
    }

    // Bytes of records first..last (1-based) of the statistics file.
    std::string RecordBytes(int32_t first, int32_t last) const
    {
        const std::string all = ReadBytes(RecPath());
        const size_t from = static_cast<size_t>(first - 1) * 20;
        const size_t to = static_cast<size_t>(last) * 20;
        return all.size() < to ? std::string() : all.substr(from, to - from);
    }

    fs::path folder;

private:
    fs::path m_oldFolder;
};

}  // namespace statstest
