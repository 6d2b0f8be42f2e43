// The progress window's figures from a crafted log and statistics file, without a display.
#include "setup/ProgressData.h"

#include "StatsTestSupport.h"

#include <gmock/gmock.h>
#include <tuple>

using namespace statstest;
using ::testing::ElementsAre;

namespace {

using Day = std::tuple<int, int32_t, int32_t>;  // position among the 30 days, answers, right
using Row = std::tuple<std::string, int32_t, int32_t, int32_t, int32_t>;

std::vector<Day> DaysWithAnswers(const ProgressView& view)
{
    std::vector<Day> days;
    for (size_t i = 0; i < view.days.size(); ++i)
        if (view.days[i].answers > 0) days.emplace_back(static_cast<int>(i), view.days[i].answers, view.days[i].right);
    return days;
}

std::vector<Row> Rows(const ProgressView& view)
{
    std::vector<Row> rows;
    for (const auto& r : view.rows) rows.emplace_back(r.argomento, r.quesiti, r.maiVisti, r.esatte, r.daRipassare);
    return rows;
}

class ProgressDataTest : public StatsTest {
protected:
    ProgressData Loaded()
    {
        ProgressData data;
        data.Load(DataPath(), RecPath(), LogPath(), Clock::Today());
        return data;
    }
};

TEST_F(ProgressDataTest, DaysAndTopicsFollowTheLogAndTheStatistics)
{
    WriteProgressFiles();
    const ProgressData data = Loaded();

    const ProgressView all = data.View(0);
    ASSERT_EQ(all.days.size(), 30u);
    EXPECT_EQ(all.days.front().day, Clock::DayNumber("10/02/2024 00:00:00"));
    EXPECT_EQ(all.days.back().day, Clock::DayNumber("10/03/2024 00:00:00"));
    // 10/02, 29/02, 04/03 and today (the cancelled question's answer counts as given).
    EXPECT_THAT(DaysWithAnswers(all), ElementsAre(Day{0, 2, 1}, Day{19, 1, 0}, Day{23, 3, 2}, Day{29, 2, 1}));
    EXPECT_EQ(all.Summary(), "Ultimi 7 giorni: 5 risposte, 60% esatte - Giorni di pratica: 6");
    // Quesiti, Mai visti, Esatte all'ultima risposta, Da ripassare: the cancelled
    // question 4 is in none; question 1's last answer was wrong, 2's right.
    EXPECT_THAT(Rows(all), ElementsAre(Row{"Ordinamento degli enti locali", 3, 1, 1, 1},
                                       Row{"Diritto amministrativo", 4, 3, 1, 0},
                                       Row{"Logica e cultura generale", 4, 2, 1, 1}, Row{"Totale", 11, 6, 3, 2}));

    const ProgressView third = data.View(3);
    EXPECT_THAT(DaysWithAnswers(third), ElementsAre(Day{19, 1, 0}, Day{23, 2, 1}));
    EXPECT_EQ(third.Summary(), "Ultimi 7 giorni: 2 risposte, 50% esatte - Giorni di pratica: 2");
    EXPECT_THAT(Rows(third), ElementsAre(Row{"Logica e cultura generale", 4, 2, 1, 1}, Row{"Totale", 4, 2, 1, 1}));
}

TEST_F(ProgressDataTest, MissingLogAndStatisticsGiveZeros)
{
    Clock::SetFixedNowText("10/03/2024 21:00:00");
    const ProgressView all = Loaded().View(0);
    EXPECT_TRUE(DaysWithAnswers(all).empty());
    EXPECT_EQ(all.Summary(), "Ultimi 7 giorni: 0 risposte, 0% esatte - Giorni di pratica: 0");
    EXPECT_EQ(Rows(all).back(), (Row{"Totale", 11, 11, 0, 0}));
}

}  // namespace
