// The competition's scoring of crafted tests (tests/fixtures/scoring/scores.tsv, figures computed
// by hand), and the history file every finished test is added to.
#include "bank/Cp1252.h"

#include "setup/HistoryFile.h"
#include "setup/Scoring.h"
#include "setup/TestResult.h"

#include "support/ProgramTest.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace support;

// "35R12W3B": 35 right, 12 wrong, 3 blank; L and X a right or wrong answer after the time ran out.
HistoryEntry Crafted(const std::string& answers, bool exam)
{
    HistoryEntry test;
    test.Started = test.Ended = "05/03/2024 09:07:02";
    test.Request.OrderMode = exam ? OrderEsame : OrderCasuale;
    size_t at = 0;
    while (at < answers.size()) {
        const size_t letter = answers.find_first_not_of("0123456789", at);
        const int count = std::stoi(answers.substr(at, letter - at));
        const char kind = answers.at(letter);
        for (int i = 0; i < count; ++i) {
            TestItem item;
            item.Codice = static_cast<int32_t>(test.Items.size()) + 1;
            item.Correct = 2;
            item.Given = kind == 'R' || kind == 'L' ? 2 : kind == 'W' || kind == 'X' ? 3 : 0;
            item.Late = kind == 'L' || kind == 'X';
            test.TimedOut = test.TimedOut || item.Late;
            test.Items.push_back(item);
        }
        at = letter + 1;
    }
    return test;
}

class ScoreOfACraftedTest : public ::testing::TestWithParam<TableRow> {};

TEST_P(ScoreOfACraftedTest, IsTheOneComputedByHand)
{
    const auto& c = GetParam().cells;
    std::string lines;
    for (const std::string& line : TestResult::Lines(Crafted(c.at(0), c.at(1) == "1")))
        lines += (lines.empty() ? "" : " / ") + line;
    EXPECT_EQ(lines, Cp1252::ToUtf8(c.at(2)));
}

INSTANTIATE_TEST_SUITE_P(Scoring, ScoreOfACraftedTest,
                         ::testing::ValuesIn(TableRows(Fixtures::Source("scoring/scores.tsv"))), RowName);

TEST(Scoring, OnePercentageEverywhereCutDown)
{
    EXPECT_EQ(Scoring::Percent(23, 30), 76) << "76,67: the score message's rule";
    EXPECT_EQ(Scoring::Percent(2, 3), 66);
    EXPECT_EQ(Scoring::Percent(5, 0), 0);
    EXPECT_EQ(TestResult::Duration(3 * 3600 + 5 * 60 + 7), "03:05:07");
}

using History = ProgramTest;

TEST_F(History, EveryTestReadsBackAsItWasWrittenAndADamagedLineIsSkipped)
{
    const fs::path file = root / "rcv14.storico";
    HistoryEntry handedIn = Crafted("20R5W25B", true);
    handedIn.HandedIn = true;
    handedIn.Ended = "05/03/2024 09:49:12";
    handedIn.Items[3].Ordine = {3, 1, 2, 5, 4};
    HistoryEntry topic = Crafted("2R1W", false);
    topic.Request.TopicFilter = 2;
    topic.Request.TimeLimitMinutes = 15;
    topic.Request.KeepAnswerOrder = true;
    ASSERT_TRUE(HistoryFile::Append(file, handedIn));
    ASSERT_TRUE(HistoryFile::Append(file, topic));
    const auto read = HistoryFile::Read(file);
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.damaged, 0);
    EXPECT_EQ(HistoryFile::Line(read.entries[0]), HistoryFile::Line(handedIn));
    EXPECT_EQ(HistoryFile::Line(read.entries[1]), HistoryFile::Line(topic));
    EXPECT_EQ(read.entries[0].DurationSeconds(), 42 * 60 + 10);
    EXPECT_EQ(read.entries[0].Items[3].Ordine, (cQuesito::Ordine{3, 1, 2, 5, 4}));

    // A line changed by one byte, and one cut short (a kill, a full disk): both skipped, the
    // next test starts a line of its own.
    std::string bytes = ReadBytes(file);
    bytes[5] = 'x';
    WriteBytes(file, bytes + HistoryFile::Line(topic).substr(0, 40));
    ASSERT_TRUE(HistoryFile::Append(file, topic));
    const auto after = HistoryFile::Read(file);
    EXPECT_EQ(after.damaged, 2);
    ASSERT_EQ(after.entries.size(), 2u);
    EXPECT_EQ(HistoryFile::Line(after.entries[1]), HistoryFile::Line(topic));
}

TEST_F(History, AProgramKilledWhileWritingLeavesTheEarlierTestsReadable)
{
    const fs::path file = root / "rcv14.storico";
    const HistoryEntry exam = Crafted("35R12W3B", true);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (;;) (void)HistoryFile::Append(file, exam);
    }
    // Killed once it has written a good number of tests, wherever it is in the next one.
    while (!fs::exists(file) || fs::file_size(file) < 200 * HistoryFile::Line(exam).size()) usleep(1000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const auto read = HistoryFile::Read(file);
    EXPECT_GE(read.entries.size(), 200u);
    EXPECT_LE(read.damaged, 1);
    ASSERT_TRUE(HistoryFile::Append(file, exam));
    EXPECT_EQ(HistoryFile::Read(file).entries.size(), read.entries.size() + 1);
}

}  // namespace
