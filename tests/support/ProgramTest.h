#pragma once

// A fresh program in a scratch folder, for every test that touches the program's state.

#include "support/Files.h"

#include "bank/cQuesiti.h"
#include "bank/cRecordSpec.h"

#include "setup/ModFunzioni.h"
#include "setup/TestRequest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace support {

// The program folder holds a fixture bank as the competition's data file
// ("small" unless a test takes another); the per-user and temporary folders
// are scratch folders too, and so are the desktop's data folders; the clock
// reads 05/03/2024 09:07:02 and the draws are seeded.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    fs::path ProgramDir() const { return root / "prog"; }
    fs::path DataPath() const { return ProgramDir() / "rcv14.dat"; }
    fs::path RecPath() const { return ProgramDir() / "rcv14.dat.rec"; }
    fs::path LogPath() const { return ProgramDir() / "rcv14.log"; }
    fs::path UserDir() const { return root / "user"; }
    fs::path TempFolder() const { return root / "tmp"; }

    // The data file replaced by a fixture bank, or by the given bytes.
    void UseBank(const std::string& fixture);
    void WriteBank(std::string_view bytes);

    // A statistics file of `count` cleared records, then the given ones,
    // written through the store the program uses.
    void WriteStats(const std::vector<std::pair<int32_t, cRecordSpec>>& records, int32_t count = 12);
    cRecordSpec Stat(int32_t codice) const;


    TempDir root;

private:
    fs::path m_oldProgramFolder;
    fs::path m_oldUserFolder;
};

// The request the start screen makes for a topic-list row, an ordering and a
// count, on the competition's data file.
TestRequest Request(int row, int32_t orderMode, int32_t count = 0);
// The test built for it, which must find questions.
ModFunzioni::BuiltTest Build(const TestRequest& request);
// The codes of a test, in test order.
std::vector<int32_t> Codes(const cQuesiti& test);

// A record with its five counters, in file order.
cRecordSpec Record(int32_t views, int32_t right, int32_t wrong, int32_t mark, int32_t skipped = 0);

// The bank tool run with these arguments.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};
ToolRun RunTool(const std::vector<std::string>& args);

}  // namespace support
