// The word-processor object model: character positions, paragraphs added at
// the end, text turned into tables, selections, and the errors of misuse.

#include "print/Application.h"
#include "print/PrintError.h"
#include "print/TableAutoFit.h"
#include "print/TextMetrics.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

using namespace word;

ParagraphData& ParagraphAt(const Document& doc, size_t i)
{
    return *std::get<std::shared_ptr<ParagraphData>>(doc.Data().blocks.at(i));
}

Range Append(Document& doc, const std::string& text)
{
    Range r = doc.Range().Paragraphs().Add().Range();
    r.InsertBefore(text);
    return r;
}

int32_t ErrorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const PrintError& e) {
        return e.Number();
    }
    return 0;
}

}  // namespace

TEST(WordModel, PositionsCountCharactersAndMarks)
{
    Application app;
    Document doc = app.Documents().Add();
    EXPECT_EQ(doc.Range().End(), 1);  // the final paragraph's mark
    Range first = Append(doc, "però");  // four characters, five bytes
    EXPECT_EQ(first.Start(), 0);
    EXPECT_EQ(first.End(), 5);
    EXPECT_EQ(doc.Range().End(), 6);
    Append(doc, "b\tc");
    EXPECT_EQ(doc.Range().End(), 10);
    // Added paragraphs go before the final one, which stays empty and last.
    ASSERT_EQ(doc.Data().blocks.size(), 3u);
    EXPECT_EQ(ParagraphAt(doc, 0).text, "però");
    EXPECT_EQ(ParagraphAt(doc, 2).text, "");

    // Inserting inside a paragraph, and a break replacing a range's text.
    doc.Range(5, 6).InsertBefore("a");
    EXPECT_EQ(ParagraphAt(doc, 1).text, "ab\tc");
    doc.Range(1, 3).InsertBreak(7);
    EXPECT_EQ(ParagraphAt(doc, 0).text, "p\fò");
    EXPECT_EQ(doc.Range().End(), 10);
}

TEST(WordModel, TheAddedParagraphsBecomeTheTable)
{
    Application app;
    Document doc = app.Documents().Add();
    Append(doc, "before");
    const int64_t start = doc.Range().End();
    Append(doc, "1\tuno\tx");
    Append(doc, "2\tdue");
    Append(doc, "3");
    Table table = doc.Range(start - 1, doc.Range().End()).ConvertToTable("\t");

    const auto& blocks = doc.Data().blocks;
    ASSERT_EQ(blocks.size(), 3u);  // "before", the table, the final paragraph
    EXPECT_EQ(ParagraphAt(doc, 0).text, "before");
    const TableData& t = table.Data();
    ASSERT_EQ(t.rows.size(), 3u);
    ASSERT_EQ(t.ColumnCount(), 3u);  // shorter rows are filled with empty cells
    EXPECT_EQ(t.rows[0][1].text, "uno");
    EXPECT_EQ(t.rows[1][2].text, "");
    EXPECT_EQ(t.rows[2][0].text, "3");
    // Each cell its text and end mark, each row one more mark.
    EXPECT_EQ(t.Length(), (1 + 1 + 3 + 1 + 1 + 1 + 1) + (1 + 1 + 3 + 1 + 0 + 1 + 1) + (1 + 1 + 1 + 1 + 1));
    EXPECT_EQ(doc.Range().End(), 7 + t.Length() + 1);
    // Equal columns filling the text width, single borders, no diagonals.
    EXPECT_NEAR(t.columnWidths[0] * 3, doc.PageSetup().Data().TextWidth(), 1e-9);
    EXPECT_EQ(t.borders[0].lineStyle, 1);
    EXPECT_EQ(t.borders[6].lineStyle, 0);

    // After the table, paragraphs still go before the final one.
    Append(doc, "after");
    EXPECT_EQ(ParagraphAt(doc, 2).text, "after");

    // A range holding nothing but the final paragraph converts to an empty table, left out of the document.
    Table none = doc.Range(doc.Range().End() - 1, doc.Range().End()).ConvertToTable("\t");
    EXPECT_EQ(none.Data().rows.size(), 0u);
    EXPECT_EQ(none.Columns().Count(), 0);
    EXPECT_EQ(doc.Data().blocks.size(), 4u);
    // A range over a table cannot become one.
    EXPECT_EQ(ErrorNumber([&] { doc.Range(0, doc.Range().End()).ConvertToTable("\t"); }), PrintError::CommandFailed);
}

TEST(WordModel, SelectionsCarryStylesAndAlignment)
{
    Application app;
    Document doc = app.Documents().Add();
    doc.Styles().Add("Numero");
    doc.Styles().Add("Testo");
    Append(doc, "1\ta");
    Range r = Append(doc, "2\tb");
    r.ParagraphFormat().SetAlignment(1);
    Table t = doc.Range(0, doc.Range().End()).ConvertToTable("\t");
    EXPECT_EQ(t.Data().rows[1][0].direct.alignment, 1);  // paragraph formatting carried into the cells

    t.Columns()(1).Select();
    app.Selection().ParagraphFormat().SetStyle("Numero");
    t.Rows()(1).Select();
    app.Selection().ParagraphFormat().SetStyle("Testo");
    app.Selection().ParagraphFormat().SetAlignment(2);
    const auto& rows = t.Data().rows;
    EXPECT_EQ(rows[0][0].style, "Testo");
    EXPECT_EQ(rows[0][1].direct.alignment, 2);
    EXPECT_EQ(rows[1][0].style, "Numero");
    EXPECT_FALSE(rows[1][0].direct.alignment);  // a style drops the paragraph's own formatting
    EXPECT_EQ(rows[1][1].style, "");
}

TEST(WordModel, MisuseIsAnErrorWithANumber)
{
    Application app;
    Document doc = app.Documents().Add();
    Table t = doc.Range(0, 1).ConvertToTable("\t");
    EXPECT_EQ(ErrorNumber([&] { doc.Styles().Add("Normal"); }), PrintError::CommandFailed);
    EXPECT_EQ(ErrorNumber([&] { doc.Range().ParagraphFormat().SetStyle("Manca"); }), PrintError::NoSuchMember);
    EXPECT_EQ(ErrorNumber([&] { doc.Range(0, 2); }), PrintError::ValueOutOfRange);
    EXPECT_EQ(ErrorNumber([&] { doc.BuiltInDocumentProperties("Colore"); }), PrintError::InvalidArgument);
    EXPECT_EQ(ErrorNumber([&] { doc.PageSetup().SetSectionStart(9); }), PrintError::ValueOutOfRange);
    EXPECT_EQ(ErrorNumber([&] { doc.Styles().Add("S").Font().SetSize(0); }), PrintError::ValueOutOfRange);
    EXPECT_EQ(ErrorNumber([&] { t.Columns()(1); }), PrintError::NoSuchMember);
    EXPECT_EQ(ErrorNumber([&] { t.Borders()(-9); }), PrintError::NoSuchMember);
    EXPECT_EQ(ErrorNumber([&] { app.Selection().ParagraphFormat(); }), PrintError::CommandFailed);
    EXPECT_EQ(ErrorNumber([&] { doc.Range().InsertBreak(3); }), PrintError::InvalidArgument);
}

TEST(WordModel, OrientationSwapsThePage)
{
    Application app;
    PageSetup page = app.Documents().Add().PageSetup();
    page.SetOrientation(1);
    EXPECT_GT(page.Data().pageWidth, page.Data().pageHeight);
    page.SetOrientation(0);
    EXPECT_NEAR(page.Data().pageWidth, app.CentimetersToPoints(21), 1e-9);
}

// Five answers beside a question holding a long address, or answers whose words
// cannot all fit: the numbers never break, the narrower columns keep their
// longest word, and the widest give way.
TEST(WordModel, FittingToContentsKeepsNumbersAndOrdinaryWordsWhole)
{
    ApplicationState state;
    DocumentData doc(&state);
    const double available = CmToPoints(19), padding = 2 * 3.4;
    const std::string address = "https://www.comune.roccalvento.it/amministrazione-trasparente/bandi-di-concorso";
    for (const std::string answer : {"amministrazione", "costituzionalmente-amministrativamente-parlando"}) {
        TableData table;
        table.leftPadding = table.rightPadding = padding / 2;
        const auto addRow = [&](std::vector<std::string> texts) {
            auto& cells = table.rows.emplace_back(texts.size());
            for (size_t c = 0; c < texts.size(); ++c) cells[c].text = texts[c];
        };
        addRow({"N.", "Domanda", "A", "B", "C", "D", "E"});
        for (int i = 1; i <= 10; ++i)
            addRow({std::to_string(i), "Testo " + address, answer, answer, answer, answer, answer});
        table.columnWidths.assign(7, 0);
        const auto widths = TableAutoFit::FitToContents(doc, table, available);
        const auto least = [&](const std::string& text) {
            return TextMetrics::Measure(text, 10, false).longestWord + padding;
        };

        EXPECT_NEAR(std::accumulate(widths.begin(), widths.end(), 0.0), available, 1e-6) << answer;
        EXPECT_GE(widths[0], least("10")) << answer;
        // The answers keep their word when the page allows it, else they share alike with the question.
        const double answerWidth = std::min(least(answer), (available - widths[0]) / 6);
        for (size_t c = 2; c < 7; ++c) EXPECT_GE(widths[c], answerWidth) << answer << " " << c;
        EXPECT_GE(widths[1], answerWidth - 1e-6) << answer;
    }
}
