// The statistics window offscreen, its message boxes answered by a script.
#include "setup/frmStatistiche.h"

#include "ui/Prompts.h"

#include "StatsTestSupport.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <functional>
#include <gmock/gmock.h>
#include <memory>

using namespace statstest;
using ::testing::ElementsAre;

namespace {

bool WaitUntil(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QTest::qWait(5);
    }
    return true;
}

class FrmStatisticheTest : public StatsTest {
protected:
    void TearDown() override
    {
        window.reset();
        StatsTest::TearDown();
    }

    // The window on the start screen's topic, once its list is loaded.
    void Open(int32_t topic)
    {
        ModGlobal::TopicFilter = topic;
        window = std::make_unique<frmStatistiche>();
        window->show();
        ASSERT_TRUE(WaitUntil([this] { return window->windowTitle() != "Statistiche"; }));
        view = window->findChild<QTableView*>("lvDomande");
        combo = window->findChild<QComboBox*>("cbArgomenti");
        ASSERT_TRUE(view && combo);
    }

    int Rows() const { return view->model()->rowCount(); }
    QString Cell(int row, int column) const { return view->model()->index(row, column).data().toString(); }

    // One column as shown, blanks trimmed.
    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> cells;
        for (int r = 0; r < Rows(); ++r) cells.push_back(Cell(r, column).trimmed().toStdString());
        return cells;
    }

    void ClickHeader(int section)
    {
        QHeaderView* header = view->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    void Click(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }

    ScriptedPrompts prompts;
    std::unique_ptr<frmStatistiche> window;
    QTableView* view = nullptr;
    QComboBox* combo = nullptr;
};

TEST_F(FrmStatisticheTest, OpensOnTheStartScreenTopicAndFollowsTheCombo)
{
    WriteMixedStats();
    auto sentinel = std::make_shared<cDocumento>();
    ModGlobal::Document = sentinel;
    Open(2);

    EXPECT_EQ(window->windowTitle(), "Statistiche dell'argomento:  Diritto amministrativo");
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(0), "TUTTI GLI ARGOMENTI");
    EXPECT_EQ(combo->itemText(3), "Logica e cultura generale");
    EXPECT_EQ(combo->currentIndex(), 2);
    QStringList titles;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        titles << view->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QStringList({"Codice", "Argomento", "Testo", "N.Vis", "N.OK", "N.Err", "E"}));
    EXPECT_THAT(Column(0), ElementsAre("101", "102", "103", "104"));
    EXPECT_EQ(Cell(2, 2).left(16), QString::fromUtf8("L'atto nullo   è"));
    EXPECT_EQ(Cell(0, 6), "X");
    // The full text is the tooltip; rows stay one line high.
    EXPECT_EQ(view->model()->index(2, 2).data(Qt::ToolTipRole).toString(), Cell(2, 2));
    EXPECT_EQ(view->rowHeight(0), view->rowHeight(2));
    // Every title holds its sort arrow; the question text has the room.
    window->resize(1000, 600);
    QCoreApplication::processEvents();
    QHeaderView* header = view->horizontalHeader();
    for (int c = 0; c < view->model()->columnCount(); ++c)
        EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c)) << c;
    EXPECT_GE(header->sectionSize(2), 2 * header->sectionSize(1));

    combo->setCurrentIndex(0);
    EXPECT_EQ(window->windowTitle(), "Statistiche di tutti gli argomenti");
    EXPECT_EQ(Rows(), 11);
    combo->setCurrentIndex(3);
    EXPECT_THAT(Column(0), ElementsAre("201", "202", "203", "204"));

    // The window keeps its own bank and store.
    EXPECT_EQ(ModGlobal::Document, sentinel);
    EXPECT_FALSE(ModGlobal::RecordStore);
    EXPECT_FALSE(ModGlobal::TestSet);
    EXPECT_EQ(ModGlobal::TopicFilter, 2);
}

TEST_F(FrmStatisticheTest, ColumnClicksSortByTheTagThenReverse)
{
    WriteMixedStats();
    Open(0);
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorSection(), -1);
    EXPECT_THAT(Column(0), ElementsAre("1", "2", "3", "101", "102", "103", "104", "201", "202", "203", "204"));

    ClickHeader(3);  // N.Vis: most viewed first; equal counts (gazette 3 and 202) in list order
    EXPECT_THAT(Column(3), ElementsAre("100", "12", "9", "7", "6", "4", "3", "2", "1", "1", "0"));
    EXPECT_THAT(Column(0), ElementsAre("104", "2", "201", "102", "204", "103", "1", "101", "3", "202", "203"));
    ClickHeader(3);
    EXPECT_THAT(Column(3), ElementsAre("0", "1", "1", "2", "3", "4", "6", "7", "9", "12", "100"));
    EXPECT_THAT(Column(0), ElementsAre("203", "3", "202", "101", "1", "103", "204", "102", "201", "2", "104"));

    ClickHeader(0);  // Codice: ascending first
    EXPECT_EQ(Column(0).front(), "1");
    EXPECT_EQ(Column(0).back(), "204");
    ClickHeader(0);
    EXPECT_EQ(Column(0).front(), "204");
    EXPECT_EQ(Column(0).back(), "1");

    ClickHeader(6);  // E: the marked ones first
    EXPECT_THAT(Column(6), ElementsAre("X", "X", "X", "X", "X", "", "", "", "", "", ""));

    // A reload keeps the sort.
    ClickHeader(5);
    combo->setCurrentIndex(3);
    EXPECT_THAT(Column(5), ElementsAre("9", "3", "0", "0"));
}

TEST_F(FrmStatisticheTest, ResetWrongOnOneTopicAsksThenClearsOnlyItsMarks)
{
    WriteMixedStats();
    const std::string before = ReadBytes(RecPath());
    Open(2);

    prompts.answers = {PromptAnswer::No};
    Click("cmdAzzeraRispErrate");
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& asked = prompts.messages[0];
    EXPECT_EQ(asked.title, "Attenzione!");
    EXPECT_EQ(asked.text,
              "Vuoi davvero azzerare l'elenco delle domande a cui hai risposto in maniera errata di "
              "Diritto amministrativo?");
    EXPECT_EQ(asked.icon, MessageIcon::Exclamation);
    EXPECT_EQ(asked.buttons, PromptButtons::YesNo);
    EXPECT_EQ(asked.defaultButton, PromptAnswer::No);
    EXPECT_EQ(ReadBytes(RecPath()), before);

    prompts.answers = {PromptAnswer::Yes};
    Click("cmdAzzeraRispErrate");
    EXPECT_THAT(Column(6), ElementsAre("", "", "", ""));
    EXPECT_THAT(Column(5), ElementsAre("2", "0", "3", "50"));
    EXPECT_EQ(before.substr(0, 80), RecordBytes(1, 4));
    EXPECT_EQ(before.substr(160), RecordBytes(9, 12));
}

TEST_F(FrmStatisticheTest, ResetAllOnEveryTopicClearsTheWholeFile)
{
    WriteMixedStats();
    Open(0);
    prompts.answers = {PromptAnswer::Yes};
    Click("cmdAzzera");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Vuoi davvero azzerare tutte le statistiche di TUTTI GLI ARGOMENTI?");
    EXPECT_EQ(prompts.messages[0].defaultButton, PromptAnswer::No);
    EXPECT_EQ(ReadBytes(RecPath()), std::string(240, '\0'));
    EXPECT_EQ(Rows(), 11);
    for (int c : {3, 4, 5}) EXPECT_THAT(Column(c), ::testing::Each("0"));
}

TEST_F(FrmStatisticheTest, WithoutAStatisticsFileResetsChangeNothing)
{
    Open(0);
    EXPECT_EQ(Rows(), 11);
    EXPECT_THAT(Column(3), ::testing::Each("0"));
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    Click("cmdAzzera");
    Click("cmdAzzeraRispErrate");
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_FALSE(fs::exists(RecPath()));
    EXPECT_EQ(Rows(), 11);
}

TEST_F(FrmStatisticheTest, SingleTopicBankOffersOnlyAllTopics)
{
    WriteBytes(DataPath(), SingleTopicBank(5));
    Open(1);
    ASSERT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->currentText(), "TUTTI GLI ARGOMENTI");
    EXPECT_EQ(window->windowTitle(), "Statistiche di tutti gli argomenti");
    EXPECT_EQ(Rows(), 5);
}

TEST_F(FrmStatisticheTest, ATopicThePresentBankLacksListsEverything)
{
    Open(9);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(window->windowTitle(), "Statistiche di tutti gli argomenti");
    EXPECT_EQ(Rows(), 11);
}

TEST_F(FrmStatisticheTest, ChiudiClosesTheWindow)
{
    Open(0);
    Click("cmdChiudi");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

}  // namespace
