// What the statistics and progress windows list, without a display: case
// folders of tests/fixtures/stats and tests/fixtures/progress, each with the
// statistics file as records.txt (none: no file) and what is shown as expected.txt.
#include "setup/Clock.h"
#include "setup/Competition.h"
#include "setup/ProgressData.h"
#include "setup/StatisticsRows.h"
#include "setup/TopicChoice.h"

#include "bank/cRecordBase.h"
#include "bank/Cp1252.h"

#include "support/ProgramTest.h"

#include <gmock/gmock.h>
#include <sstream>

using namespace support;
using ::testing::ElementsAre;

namespace {

// Records in file order, one a line: views, skipped, right, wrong, mark.
std::string RecordLines(const fs::path& file)
{
    if (!fs::exists(file)) return "(nessun file)\n";
    std::ostringstream out;
    for (const cRecordSpec& r : cRecordBase::ReadAllRecords(file))
        out << r.nVisualizzate << ' ' << r.nTralasciate << ' ' << r.nEsatte << ' ' << r.nSbagliate << ' '
            << r.bnUltimoEsito << '\n';
    return out.str();
}

class Case : public ProgramTest, public ::testing::WithParamInterface<fs::path> {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        const fs::path records = GetParam() / "records.txt";
        if (!fs::exists(records)) return;
        std::istringstream in(ReadBytes(records));
        std::vector<std::pair<int32_t, cRecordSpec>> stats;
        for (cRecordSpec r; in >> r.nVisualizzate >> r.nTralasciate >> r.nEsatte >> r.nSbagliate >> r.bnUltimoEsito;)
            stats.emplace_back(static_cast<int32_t>(stats.size()) + 1, r);
        WriteStats(stats, static_cast<int32_t>(stats.size()));
    }
};

std::string CaseName(const ::testing::TestParamInfo<fs::path>& info)
{
    std::string name = info.param.filename().string();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

// topic.txt gives the topic; shown are the rows, then the statistics file
// after "Azzera risp. errate" and after "Azzera statistiche".
using StatisticsCase = Case;

TEST_P(StatisticsCase, RowsThenResets)
{
    StatisticsData data;
    data.Load(DataPath(), RecPath(), std::stoi(ReadBytes(GetParam() / "topic.txt")));
    std::string shown = data.Caption() + "\n";
    for (const auto& row : data.Rows()) {
        for (const auto& cell : row.cells) shown += cell + "|";
        shown += "\n";
    }
    // Texts here are cp1252, as the window shows them.
    const auto said = [](const Expected<void>& done) {
        return done ? std::string() : " (" + Cp1252::FromUtf8Lenient(done.error().description) + ")";
    };
    shown += "-- Azzera risp. errate" + said(data.ResetWrong()) + "\n";
    shown += RecordLines(RecPath());
    shown += "-- Azzera statistiche" + said(data.ResetAll()) + "\n";
    shown += RecordLines(RecPath());
    ExpectFile(GetParam() / "expected.txt", Cp1252::ToUtf8(shown));
}

INSTANTIATE_TEST_SUITE_P(Stats, StatisticsCase, ::testing::ValuesIn(Fixtures::Cases("stats")), CaseName);

// The log is rcv14.log; seen on 10/03/2024 the 30 days shown start on 10/02.
// Shown for every topic choice: the summary and the exam forecast, the days
// with answers (0 = the first of the 30) as answers/right, the table. The
// chances are those of bench/peers/memory_case.mjs for the same log.
using ProgressCase = Case;

TEST_P(ProgressCase, EveryTopicChoice)
{
    if (fs::exists(GetParam() / "rcv14.log")) fs::copy_file(GetParam() / "rcv14.log", LogPath());
    ProgressData data;
    data.Load(DataPath(), RecPath(), LogPath(), *Clock::DayNumber("10/03/2024 21:00:00"), Competition::ExamSets());
    std::ostringstream shown;
    for (int32_t topic = 0; topic <= 3; ++topic) {
        const ProgressView view = data.View(topic);
        ASSERT_EQ(view.days.back().day, Clock::DayNumber("10/03/2024 00:00:00"));
        shown << "-- " << topic << "\n" << view.Summary() << "\n" << view.Forecast() << "\n";
        for (size_t i = 0; i < view.days.size(); ++i)
            if (const ProgressDay& day = view.days[i]; day.answers > 0)
                shown << i << ": " << day.answers << "/" << day.right << " ";
        shown << "\n";
        for (const auto& r : view.rows)
            shown << r.argomento << "|" << r.quesiti << "|" << r.maiVisti << "|" << r.esatte << "|" << r.daRipassare
                  << "|" << r.MeanChance() << "\n";
    }
    ExpectFile(GetParam() / "expected.txt", shown.str());
}

INSTANTIATE_TEST_SUITE_P(Progress, ProgressCase, ::testing::ValuesIn(Fixtures::Cases("progress")), CaseName);

TEST(StatisticsData, TheTextColumnOnOneLineCleanedAsTheQuizScreenCleansIt)
{
    EXPECT_EQ(StatisticsData::StripTags("<I>a</I><U>b</u>c<BR>d<Br>e"), "abc    d    e");
    EXPECT_EQ(StatisticsData::StripTags("<b>x</b> <i"), "<b>x</b> <i");
    EXPECT_EQ(StatisticsData::TextCell("<I>a</I><U>b</u>c<BR>d<Br>e"), "abc    d    e");
    EXPECT_EQ(StatisticsData::TextCell("  80 &euro;,  5 &deg; \x93x\x94 &AMP; y\x85 "), "80 \x80, 5 \xB0 \"x\" & y...");
}

using TopicChoiceTest = ProgramTest;

TEST_F(TopicChoiceTest, EveryTopicOfABankOfTwoOrMoreAfterAllTopics)
{
    const TopicChoice three = TopicChoice::Load("rcv14.dat", 2);
    EXPECT_THAT(three.rows, ElementsAre("TUTTI GLI ARGOMENTI", "Ordinamento degli enti locali",
                                        "Diritto amministrativo", "Logica e cultura generale"));
    EXPECT_EQ(three.selected, 2);
    // A topic the combo does not offer lists the whole bank.
    EXPECT_EQ(TopicChoice::Load("rcv14.dat", 4).selected, 0);
    UseBank("onetopic");
    const TopicChoice one = TopicChoice::Load("rcv14.dat", 1);
    EXPECT_THAT(one.rows, ElementsAre("TUTTI GLI ARGOMENTI"));
    EXPECT_EQ(one.selected, 0);
}

}  // namespace
