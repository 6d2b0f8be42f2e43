// The statistics list's model under Qt's model tester: its rows, sort and roles.
#include "windows/StatisticsModel.h"

#include "support/WindowTest.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

StatisticsRow Row(const char* codice, const char* topic, const char* text, const char* views)
{
    return {0, {codice, topic, text, views, "     0", "     0", ""}};
}

const StatisticsRow A = Row("     1", "Ordinamento", "Chi rappresenta il Comune?", "     3");
const StatisticsRow B = Row("     2", "ordinamento", "Quale organo approva il bilancio?", "    12");
const StatisticsRow C = Row("   101", "Diritto", "Quanto costa? 5 \x80", "     3");  // cp1252 "€"
const StatisticsRow D = Row("   201", "Logica", "Quanto vale 3 per 4?", "   100");

std::vector<std::string> Codes(const QAbstractItemModel& model)
{
    std::vector<std::string> codes;
    for (int r = 0; r < model.rowCount(); ++r)
        codes.push_back(model.index(r, StatisticsModel::Codice).data().toString().trimmed().toStdString());
    return codes;
}

TEST(StatisticsModel, SortsOnTheTextOfAColumnKeepingListOrderAmongEqualCells)
{
    StatisticsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.SetRows({A, B, C, D});
    EXPECT_THAT(Codes(model), ElementsAre("1", "2", "101", "201"));
    QPersistentModelIndex euro = model.index(2, StatisticsModel::Testo);
    EXPECT_EQ(euro.data(), QString::fromUtf8("Quanto costa? 5 €"));

    model.sort(StatisticsModel::NVis, Qt::DescendingOrder);
    EXPECT_THAT(Codes(model), ElementsAre("201", "2", "1", "101"));
    model.sort(StatisticsModel::NVis, Qt::AscendingOrder);
    EXPECT_THAT(Codes(model), ElementsAre("1", "101", "2", "201"));
    // Topics compare without case: "Ordinamento" and "ordinamento" are one group.
    model.sort(StatisticsModel::Argomento, Qt::AscendingOrder);
    EXPECT_THAT(Codes(model), ElementsAre("101", "201", "1", "2"));
    model.sort(StatisticsModel::Argomento, Qt::DescendingOrder);
    EXPECT_THAT(Codes(model), ElementsAre("1", "2", "201", "101"));
    EXPECT_EQ(euro.row(), 3);
    EXPECT_EQ(euro.data(), QString::fromUtf8("Quanto costa? 5 €"));

    // New rows come sorted by the column in force.
    model.SetRows({A, D, B});
    EXPECT_THAT(Codes(model), ElementsAre("1", "2", "201"));
}

TEST(StatisticsModel, HeadersAndRoles)
{
    StatisticsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.SetRows({A});
    QStringList titles;
    std::vector<int> firstOrder;
    for (int c = 0; c < model.columnCount(); ++c) {
        titles << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        firstOrder.push_back(model.headerData(c, Qt::Horizontal, Qt::InitialSortOrderRole).toInt());
    }
    EXPECT_EQ(titles, QStringList({"Codice", "Argomento", "Testo", "N.Vis", "N.OK", "N.Err", "E"}));
    const int up = Qt::AscendingOrder, down = Qt::DescendingOrder;
    EXPECT_THAT(firstOrder, ElementsAre(up, up, up, down, down, down, down));
    // Text and topic may be cut to fit: their tooltip holds all of them.
    for (int c : {StatisticsModel::Argomento, StatisticsModel::Testo})
        EXPECT_EQ(model.index(0, c).data(Qt::ToolTipRole), model.index(0, c).data());
    EXPECT_FALSE(model.index(0, StatisticsModel::NVis).data(Qt::ToolTipRole).isValid());
    EXPECT_TRUE(model.index(0, StatisticsModel::NVis).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
}

}  // namespace
