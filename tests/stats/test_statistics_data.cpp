// The statistics window's rows and resets, without a display.
#include "setup/StatisticsRows.h"

#include "StatsTestSupport.h"

#include <gmock/gmock.h>

using namespace statstest;
using ::testing::ElementsAre;
using ::testing::StartsWith;

namespace {

std::vector<int32_t> Codes(const StatisticsData& data)
{
    std::vector<int32_t> codes;
    for (const auto& row : data.Rows()) codes.push_back(row.codice);
    return codes;
}

const StatisticsRow& RowOf(const StatisticsData& data, int32_t codice)
{
    for (const auto& row : data.Rows())
        if (row.codice == codice) return row;
    throw std::runtime_error("row not listed");
}

class StatisticsDataTest : public StatsTest {
protected:
    StatisticsData Loaded(int32_t topic)
    {
        StatisticsData data;
        data.Load(DataPath(), RecPath(), topic);
        return data;
    }
};

TEST_F(StatisticsDataTest, AllTopicsListEveryQuestionButTheCancelledOneWithItsCells)
{
    WriteMixedStats();
    const StatisticsData data = Loaded(0);
    EXPECT_EQ(data.Caption(), "Statistiche di tutti gli argomenti");
    EXPECT_TRUE(data.StoreOpen());
    EXPECT_THAT(Codes(data), ElementsAre(1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12));

    const auto& first = RowOf(data, 1).cells;
    EXPECT_EQ(first[0], "     1");
    EXPECT_EQ(first[1], "Ordinamento degli enti locali");
    EXPECT_THAT(first[2], StartsWith("Chi rappresenta legalmente il Comune?"));
    EXPECT_EQ(first[3], "     3");
    EXPECT_EQ(first[4], "     2");
    EXPECT_EQ(first[5], "     1");
    EXPECT_EQ(first[6], "X");

    const auto& seen12 = RowOf(data, 2).cells;
    EXPECT_EQ(seen12[3], "    12");
    EXPECT_EQ(seen12[6], "");
    // A removed mark (1) is not shown.
    EXPECT_EQ(RowOf(data, 3).cells[6], "");
    EXPECT_EQ(RowOf(data, 8).cells[0], "   104");
    EXPECT_EQ(RowOf(data, 8).cells[3], "   100");
}

TEST_F(StatisticsDataTest, OneTopicListsOnlyItsQuestionsWithTagsStripped)
{
    WriteMixedStats();
    const StatisticsData two = Loaded(2);
    EXPECT_EQ(two.Caption(), "Statistiche dell'argomento:  Diritto amministrativo");
    EXPECT_THAT(Codes(two), ElementsAre(5, 6, 7, 8));
    // cp1252 bytes: "è" is 0xE8; entities are left as written.
    EXPECT_THAT(RowOf(two, 7).cells[2], StartsWith("L'atto nullo   \xE8 quello che &laquo;manca"));

    const StatisticsData three = Loaded(3);
    EXPECT_THAT(Codes(three), ElementsAre(9, 10, 11, 12));
    EXPECT_THAT(RowOf(three, 10).cells[2], StartsWith("Quanto vale 3 &times; 4 &divide; 2?    Scegliere"));

    // Topic 1 without its cancelled question.
    EXPECT_THAT(Codes(Loaded(1)), ElementsAre(1, 2, 3));
}

TEST_F(StatisticsDataTest, StripTagsAndRenderCell)
{
    EXPECT_EQ(StatisticsData::StripTags("<I>a</I><U>b</u>c<BR>d<Br>e<br>"), "abc    d    e    ");
    EXPECT_EQ(StatisticsData::StripTags("<b>x</b> <i"), "<b>x</b> <i");
    EXPECT_EQ(StatisticsData::RenderCell(0), "     0");
    EXPECT_EQ(StatisticsData::RenderCell(999999), "999999");
    // Padded to one width, text order is value order.
    EXPECT_LT(StatisticsData::RenderCell(9), StatisticsData::RenderCell(10));
    EXPECT_LT(StatisticsData::RenderCell(99), StatisticsData::RenderCell(100));
}

TEST_F(StatisticsDataTest, MissingStatisticsFileShowsZerosAndResetsChangeNothing)
{
    StatisticsData data = Loaded(0);
    EXPECT_FALSE(data.StoreOpen());
    ASSERT_EQ(data.Rows().size(), 11u);
    for (const auto& row : data.Rows()) {
        EXPECT_EQ(row.cells[3], "     0");
        EXPECT_EQ(row.cells[4], "     0");
        EXPECT_EQ(row.cells[5], "     0");
        EXPECT_EQ(row.cells[6], "");
    }
    data.ResetAll();
    data.ResetWrong();
    EXPECT_FALSE(fs::exists(RecPath()));
}

TEST_F(StatisticsDataTest, ShortStatisticsFileReadsZerosPastItsEnd)
{
    WriteStats({{1, Rec(4, 1, 3, 2)}, {5, Rec(2, 0, 2, 2)}}, 5);
    StatisticsData data = Loaded(0);
    EXPECT_EQ(RowOf(data, 5).cells[6], "X");
    EXPECT_EQ(RowOf(data, 12).cells[3], "     0");
    EXPECT_EQ(RowOf(data, 12).cells[6], "");

    // Removing marks writes only records that have one: the file keeps its length.
    data.ResetWrong();
    EXPECT_EQ(ReadBytes(RecPath()).size(), 100u);
    EXPECT_EQ(ReadStat(5).bnUltimoEsito, 1);
    EXPECT_EQ(ReadStat(5).nSbagliate, 2);

    // Clearing the whole bank writes every record, so the file covers it.
    data.ResetAll();
    EXPECT_EQ(ReadBytes(RecPath()), std::string(240, '\0'));
}

TEST_F(StatisticsDataTest, ResetWrongOnOneTopicKeepsCountersAndOtherTopics)
{
    WriteMixedStats();
    const std::string topic1 = RecordBytes(1, 4);
    const std::string topic3 = RecordBytes(9, 12);
    StatisticsData data = Loaded(2);
    data.ResetWrong();

    EXPECT_EQ(RecordBytes(1, 4), topic1);
    EXPECT_EQ(RecordBytes(9, 12), topic3);
    const cRecordSpec five = ReadStat(5);
    EXPECT_EQ(five.bnUltimoEsito, 1);
    EXPECT_EQ(five.nVisualizzate, 2);
    EXPECT_EQ(five.nSbagliate, 2);
    const cRecordSpec seven = ReadStat(7);
    EXPECT_EQ(seven.bnUltimoEsito, 1);
    EXPECT_EQ(seven.nTralasciate, 9);
    EXPECT_EQ(seven.nSbagliate, 3);
    // Marks other than "ERRATA" are left as they were.
    EXPECT_EQ(ReadStat(6).bnUltimoEsito, 1);
    EXPECT_EQ(ReadStat(8).bnUltimoEsito, 0);

    data.Load(DataPath(), RecPath(), 2);
    for (const auto& row : data.Rows()) EXPECT_EQ(row.cells[6], "") << row.codice;
    EXPECT_EQ(RowOf(data, 7).cells[5], "     3");
}

TEST_F(StatisticsDataTest, ResetAllClearsTheListIncludingCancelledQuestions)
{
    WriteMixedStats();
    const std::string others = RecordBytes(5, 12);
    StatisticsData topic1 = Loaded(1);
    topic1.ResetAll();
    EXPECT_EQ(RecordBytes(1, 4), std::string(80, '\0'));  // the cancelled question 4 too
    EXPECT_EQ(RecordBytes(5, 12), others);

    WriteMixedStats();
    StatisticsData all = Loaded(0);
    all.ResetAll();
    EXPECT_EQ(ReadBytes(RecPath()), std::string(240, '\0'));
}

TEST_F(StatisticsDataTest, TopicMissingFromTheBankListsNothing)
{
    WriteMixedStats();
    StatisticsData data = Loaded(7);
    EXPECT_TRUE(data.Rows().empty());
    const std::string before = ReadBytes(RecPath());
    data.ResetAll();
    data.ResetWrong();
    EXPECT_EQ(ReadBytes(RecPath()), before);
}

}  // namespace
