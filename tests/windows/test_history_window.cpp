// "Storico dei test": the rows of the history file, newest first, the review of one, its wrong
// and blank questions again.
#include "setup/HistoryFile.h"

#include "ui/ModWindows.h"

#include "windows/frmStorico.h"
#include "windows/HistoryTableModel.h"

#include "support/WindowTest.h"

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

using namespace support;

class HistoryWindowTest : public WindowTest {
protected:
    // An exam of four questions of the small bank, and a topic test of two, an hour later.
    void WriteHistory()
    {
        HistoryEntry exam;
        exam.Started = "05/03/2024 09:07:02";
        exam.Ended = "05/03/2024 09:30:05";
        exam.Request.OrderMode = OrderEsame;
        exam.Items = {{7, {3, 1, 2, 4, 5}, 1, 1, false, false}, {2, {1, 2, 3, 4, 5}, 1, 3, false, false},
                      {5, {1, 2, 3, 4, 5}, 0, 1, false, false}, {9, {4, 3, 2, 1, 5}, 4, 4, false, false}};
        HistoryEntry topic;
        topic.Started = "05/03/2024 10:00:00";
        topic.Ended = "05/03/2024 10:02:30";
        topic.Request.TopicFilter = 2;
        topic.Items = {{6, {1, 2, 3, 4, 5}, 2, 2, false, false}};
        ASSERT_TRUE(HistoryFile::Append(ProgramDir() / "rcv14.storico", exam));
        ASSERT_TRUE(HistoryFile::Append(ProgramDir() / "rcv14.storico", topic));
    }
    static QString Row(QAbstractItemModel* model, int row)
    {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) cells << model->index(row, c).data().toString();
        return cells.join("|");
    }
};

TEST_F(HistoryWindowTest, ListsNewestFirstReopensAReviewAndRepeatsTheWrongAndBlank)
{
    WriteHistory();
    std::vector<std::string> reviewed;
    ModWindows::ShowReview = [&](const cQuesiti& test, const HistoryEntry& result) {
        std::string shown;
        for (const auto& q : test) shown += std::to_string(q->Codice) + ":" + std::to_string(q->RispostaData) + "/"
                                            + std::to_string(q->RispostaCorretta) + " ";
        reviewed.push_back(shown + std::to_string(result.Score().right));
    };
    frmStorico window;
    window.show();
    auto* table = Child<QTableView>(&window, "lvStorico");
    QAbstractItemModelTester tester(table->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(Row(table->model(), 0), "05/03/2024 10:02|Casuale|Diritto amministrativo|1|1|0|0|00:02:30|30,00|");
    EXPECT_EQ(Row(table->model(), 1),
              "05/03/2024 09:30|SIMULAZIONE ESAME|Tutti gli argomenti|4|2|1|1|00:23:03|12,53|NON SUPERATA");

    // Enter on the exam: its questions with the answers shown as they were.
    table->selectRow(1);
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_EQ(reviewed.size(), 1u);
    EXPECT_EQ(reviewed[0], "7:1/1 2:1/3 5:0/1 9:4/4 2");

    Click(&window, "cmdRipeti");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(HistoryWindowTest, ADamagedLineIsToldAndLeftOut)
{
    WriteHistory();
    std::string bytes = ReadBytes(ProgramDir() / "rcv14.storico");
    bytes[8] = '#';
    WriteBytes(ProgramDir() / "rcv14.storico", bytes);
    frmStorico window;
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.messages.empty(); }, 5000));
    EXPECT_EQ(prompts.messages[0].text, "Alcune voci dello storico sono danneggiate e non vengono mostrate.");
    EXPECT_EQ(Child<QTableView>(&window, "lvStorico")->model()->rowCount(), 1);
}

}  // namespace
