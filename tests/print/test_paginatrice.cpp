// The quiz document builder: loading a suspended test, the calls the word
// processor receives in both layouts, the question texts, the answer key, the
// progress events and the errors a build can end with.

#include "bank/Cp1252.h"

#include "print/PrintError.h"

#include "PrintTestSupport.h"


using namespace printtest;

namespace {

std::vector<std::string> Slice(const std::vector<std::string>& v, size_t from, size_t count)
{
    from = std::min(from, v.size());
    return {v.begin() + static_cast<std::ptrdiff_t>(from),
            v.begin() + static_cast<std::ptrdiff_t>(std::min(v.size(), from + count))};
}

size_t IndexOf(const std::vector<std::string>& v, const std::string& entry)
{
    return static_cast<size_t>(std::find(v.begin(), v.end(), entry) - v.begin());
}

const word::DocumentData& DocumentOf(const CPaginatrice& builder)
{
    return builder.WordApp()->Documents()(1).Data();
}

const word::TableData& TableAt(const word::DocumentData& doc, size_t block)
{
    return *std::get<std::shared_ptr<word::TableData>>(doc.blocks.at(block));
}

}  // namespace

using PaginatriceText = PrintTest;

TEST_F(PaginatriceText, EveryCombinationOfDetails)
{
    auto builder = Loaded("three", "1;", 1);
    const cQuesito& q = *builder->Quesiti().Item(1);  // topic "Cultura generale", n.1, difficulty 1
    const std::string text = "Qual è la capitale d'Italia?";
    struct Case {
        bool topic, number, difficulty;
        std::string suffix;
    };
    const Case cases[] = {
        {false, false, false, ""},
        {true, false, false, "  (Cultura generale)"},
        {false, true, false, "  (n.1)"},
        {false, false, true, "  (*)"},
        {true, true, false, "  (Cultura generale, n.1)"},
        {true, false, true, "  (Cultura generale, *)"},
        {false, true, true, "  (n.1, *)"},
        {true, true, true, "  (Cultura generale, n.1, *)"},
    };
    for (const auto& c : cases) {
        builder->MostraArgomenti = c.topic;
        builder->MostraCodici = c.number;
        builder->MostraDifficolta = c.difficulty;
        EXPECT_EQ(Cp1252::ToUtf8(builder->ComposeQuestionText(7, q, false)), text + c.suffix);
        EXPECT_EQ(Cp1252::ToUtf8(builder->ComposeQuestionText(7, q, true)), "7. " + text + c.suffix);
    }
}

TEST_F(PaginatriceText, DifficultyShowsOnlyFromOneToThreeStars)
{
    auto builder = Loaded("small", "3;4;", 1);
    builder->MostraArgomenti = false;
    builder->MostraDifficolta = true;
    // Difficulty 3, then a cancelled question (9): the separator stays, the stars go.
    EXPECT_TRUE(builder->ComposeQuestionText(1, *builder->Quesiti().Item(1), false).ends_with("?  (n.3, ***)"));
    EXPECT_TRUE(builder->ComposeQuestionText(2, *builder->Quesiti().Item(2), false).ends_with("?  (n.4, )"));
}

TEST_F(PaginatriceText, LineEndsBecomeBlanks)
{
    EXPECT_EQ(CPaginatrice::CleanText("a\r\nb\nc\rd"), "a  b c d");
}

using PaginatriceBuild = PrintTest;

TEST_F(PaginatriceBuild, StylesPageAndPropertiesOfTheListLayout)
{
    auto builder = Loaded("three", "1;2;3;", 1);
    builder->Build();
    const auto& all = log.Entries();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front(), "Documents.Add");

    const auto styleCalls = [&](const std::string& name) { return Entries("Styles(\"" + name + "\")"); };
    EXPECT_EQ(Entries("Styles.Add"), (std::vector<std::string>{
                                         "Styles.Add(\"Titolo documento\")", "Styles.Add(\"Domanda\")",
                                         "Styles.Add(\"Risposta\")", "Styles.Add(\"Griglia domanda\")",
                                         "Styles.Add(\"Griglia risposta\")"}));
    EXPECT_EQ(styleCalls("Domanda"), (std::vector<std::string>{
                                         "Styles(\"Domanda\").Font.Name = \"Arial\"",
                                         "Styles(\"Domanda\").Font.Bold = True",
                                         "Styles(\"Domanda\").Font.Size = 9",
                                         "Styles(\"Domanda\").ParagraphFormat.LeftIndent = 0",
                                         "Styles(\"Domanda\").ParagraphFormat.SpaceBefore = 6",
                                         "Styles(\"Domanda\").ParagraphFormat.SpaceAfter = 1",
                                         "Styles(\"Domanda\").ParagraphFormat.Alignment = 3",
                                         "Styles(\"Domanda\").NextParagraphStyle = -1"}));
    EXPECT_EQ(styleCalls("Risposta"), (std::vector<std::string>{
                                          "Styles(\"Risposta\").Font.Name = \"Arial\"",
                                          "Styles(\"Risposta\").Font.Bold = False",
                                          "Styles(\"Risposta\").Font.Size = 8",
                                          "Styles(\"Risposta\").ParagraphFormat.Alignment = 0",
                                          "Styles(\"Risposta\").ParagraphFormat.LeftIndent = 24",
                                          "Styles(\"Risposta\").ParagraphFormat.FirstLineIndent = -11.5",
                                          "Styles(\"Risposta\").ParagraphFormat.SpaceBefore = 0",
                                          "Styles(\"Risposta\").ParagraphFormat.SpaceAfter = 1",
                                          "Styles(\"Risposta\").NextParagraphStyle = -1"}));
    EXPECT_EQ(styleCalls("Titolo documento").at(3), "Styles(\"Titolo documento\").ParagraphFormat.SpaceBefore = 0");
    EXPECT_EQ(styleCalls("Griglia risposta").at(3), "Styles(\"Griglia risposta\").Font.Italic = True");

    EXPECT_EQ(Entries("PageSetup"), (std::vector<std::string>{
                                        "PageSetup.LineNumbering.Active = False",
                                        "PageSetup.Orientation = 0",
                                        "PageSetup.TopMargin = 34.02",
                                        "PageSetup.BottomMargin = 34.02",
                                        "PageSetup.LeftMargin = 28.35",
                                        "PageSetup.RightMargin = 28.35",
                                        "PageSetup.Gutter = 0",
                                        "PageSetup.HeaderDistance = 35.43",
                                        "PageSetup.FooterDistance = 35.43",
                                        "PageSetup.PageWidth = 595.28",
                                        "PageSetup.PageHeight = 841.89",
                                        "PageSetup.FirstPageTray = 0",
                                        "PageSetup.OtherPagesTray = 0",
                                        "PageSetup.SectionStart = 2",
                                        "PageSetup.OddAndEvenPagesHeaderFooter = False",
                                        "PageSetup.DifferentFirstPageHeaderFooter = False",
                                        "PageSetup.VerticalAlignment = 0",
                                        "PageSetup.SuppressEndnotes = False",
                                        "PageSetup.MirrorMargins = False",
                                        "PageSetup.TwoPagesOnOne = False",
                                        "PageSetup.BookFoldPrinting = False",
                                        "PageSetup.BookFoldRevPrinting = False",
                                        "PageSetup.BookFoldPrintingSheets = 1",
                                        "PageSetup.GutterPos = 0"}));
    const size_t properties = IndexOf(all, "BuiltInDocumentProperties(\"Subject\").Value = \"Quiz a risposta multipla\"");
    EXPECT_EQ(Slice(all, properties, 5),
              (std::vector<std::string>{
                  "BuiltInDocumentProperties(\"Subject\").Value = \"Quiz a risposta multipla\"",
                  "BuiltInDocumentProperties(\"Author\").Value = \"www.tessarondequiz.it\"",
                  "BuiltInDocumentProperties(\"Comments\").Value = \"Documento creato con Paginatrice, scaricabile "
                  "dal sito www.tessarondequiz.it - Allenati ogni giorno, supera il concorso!\"",
                  "ShowGrammaticalErrors = False", "ShowSpellingErrors = False"}));
    // Styles, then the page, then the properties, then the body.
    EXPECT_LT(IndexOf(all, "Styles(\"Griglia risposta\").NextParagraphStyle = -1"),
              IndexOf(all, "PageSetup.LineNumbering.Active = False"));
    EXPECT_LT(IndexOf(all, "PageSetup.GutterPos = 0"), properties);
    EXPECT_EQ(Slice(all, all.size() - 3, 3),
              (std::vector<std::string>{"Range(0, 0).Select", "Visible = True", "AttachedTemplate.Saved = True"}));
}

TEST_F(PaginatriceBuild, ListLayoutWithThreeAnswers)
{
    auto builder = Loaded("three", "1;2;3;", 1);
    builder->Build();
    EXPECT_EQ(Inserted(), (std::vector<std::string>{
                              "1. Qual è la capitale d'Italia?  (Cultura generale, n.1)", "A) Roma", "B) Milano",
                              "C) Torino",
                              "2. In che anno è entrata in vigore la Costituzione?  (Cultura generale, n.2)",
                              "A) 1946", "B) 1948", "C) 1950",
                              "3. Quale parola è scritta correttamente?  (Lingua italiana, n.31)", "A) Qualcuno'",
                              "B) Qual'è", "C) Qual è", "", "1\\tA\\t2\\tB\\t3\\tC"}));
    const auto styles = Entries("Range(");
    EXPECT_EQ(std::count_if(styles.begin(), styles.end(),
                            [](const std::string& e) { return e.ends_with("ParagraphFormat.Style = \"Domanda\""); }),
              3);
    EXPECT_EQ(Entries("Range(").size(), 12 * 3 + 2 + 2 + 2 + 1 + 1);  // paragraphs, break, empty, key, table, select

    // Twelve paragraphs, the page break, the empty paragraph, the key, the final paragraph.
    const auto& doc = DocumentOf(*builder);
    ASSERT_EQ(doc.blocks.size(), 16u);
    EXPECT_EQ(std::get<0>(doc.blocks[12])->text, "\f");
    EXPECT_EQ(std::get<0>(doc.blocks[13])->text, "");
    const auto& key = TableAt(doc, 14);
    EXPECT_EQ(key.rows.size(), 1u);
    EXPECT_EQ(key.ColumnCount(), 6u);
    EXPECT_EQ(std::get<0>(doc.blocks[15])->text, "");
}

TEST_F(PaginatriceBuild, TableLayoutWithFiveAnswers)
{
    auto builder = Loaded("five", "1;2;3;", 2);
    builder->Build();
    const auto inserted = Inserted();
    ASSERT_GE(inserted.size(), 2u);
    EXPECT_EQ(inserted[0], "N.\\tDomanda\\tA\\tB\\tC\\tD\\tE");
    EXPECT_EQ(inserted[1], "1\\tQuanti sono i principi fondamentali della Costituzione?  (Diritto costituzionale, "
                           "n.1)\\tCinque\\tSette\\tNove\\tUndici\\tDodici");
    EXPECT_EQ(Entries("Styles.Add"),
              (std::vector<std::string>{"Styles.Add(\"Titolo documento\")", "Styles.Add(\"HeaderTab\")",
                                        "Styles.Add(\"NumeroDom\")", "Styles.Add(\"Domanda\")",
                                        "Styles.Add(\"Risposta\")", "Styles.Add(\"Griglia domanda\")",
                                        "Styles.Add(\"Griglia risposta\")"}));

    const auto& all = log.Entries();
    const auto convert = Entries("Range(0, ");
    ASSERT_FALSE(convert.empty());
    const size_t at = IndexOf(all, std::string(*std::find_if(convert.begin(), convert.end(), [](const auto& e) {
        return e.ends_with(".ConvertToTable(\"\\t\")");
    })));
    EXPECT_EQ(Slice(all, at + 1, 22),
              (std::vector<std::string>{
                  "Table.TopPadding = 2.83", "Table.BottomPadding = 2.83", "Table.LeftPadding = 3.4",
                  "Table.RightPadding = 3.4", "Table.Spacing = 0", "Table.Rows.AllowBreakAcrossPages = False",
                  "Table.Columns(1).Select", "Selection.ParagraphFormat.Style = \"NumeroDom\"",
                  "Table.Columns(2).Select", "Selection.ParagraphFormat.Style = \"Domanda\"",
                  "Table.Columns(3).Select", "Selection.ParagraphFormat.Style = \"Risposta\"",
                  "Table.Columns(4).Select", "Selection.ParagraphFormat.Style = \"Risposta\"",
                  "Table.Columns(5).Select", "Selection.ParagraphFormat.Style = \"Risposta\"",
                  "Table.Columns(6).Select", "Selection.ParagraphFormat.Style = \"Risposta\"",
                  "Table.Columns(7).Select", "Selection.ParagraphFormat.Style = \"Risposta\"",
                  "Table.Rows(1).Select", "Selection.ParagraphFormat.Style = \"HeaderTab\""}));
    std::vector<std::string> borders = {"Range(0, 0).Select", "Table.AutoFitBehavior(1)"};
    for (const int i : {-2, -4, -1, -3, -5, -6}) {
        const std::string b = "Table.Borders(" + std::to_string(i) + ").";
        borders.insert(borders.end(), {b + "LineStyle = 1", b + "LineWidth = 4", b + "Color = -16777216"});
    }
    borders.insert(borders.end(), {"Table.Borders(-7).LineStyle = 0", "Table.Borders(-8).LineStyle = 0",
                                   "Table.Borders.Shadow = False"});
    EXPECT_EQ(Slice(all, at + 23, borders.size()), borders);

    // Exactly the added paragraphs became the table: the header and three questions.
    const auto& doc = DocumentOf(*builder);
    ASSERT_EQ(doc.blocks.size(), 5u);
    const auto& table = TableAt(doc, 0);
    ASSERT_EQ(table.rows.size(), 4u);
    ASSERT_EQ(table.ColumnCount(), 7u);
    EXPECT_EQ(table.rows[0][1].text, "Domanda");
    EXPECT_EQ(table.rows[0][6].style, "HeaderTab");
    EXPECT_EQ(table.rows[3][0].text, "3");
    EXPECT_EQ(table.rows[3][0].style, "NumeroDom");
    EXPECT_EQ(table.rows[3][1].style, "Domanda");
    EXPECT_EQ(table.rows[3][6].style, "Risposta");
    EXPECT_EQ(table.rows[3][4].text, "Un elaboratore di testi");
    EXPECT_TRUE(table.allowAutoFit);
    EXPECT_FALSE(table.allowBreakAcrossPages);
}

TEST_F(PaginatriceBuild, TableLayoutWithThreeAnswersHasFiveColumns)
{
    auto builder = Loaded("three", "1;2;3;", 2);
    builder->Build();
    EXPECT_EQ(Inserted().at(0), "N.\\tDomanda\\tA\\tB\\tC");
    const auto& table = TableAt(DocumentOf(*builder), 0);
    EXPECT_EQ(table.ColumnCount(), 5u);
    EXPECT_EQ(table.rows.size(), 4u);
    const auto columns = Entries("Table.Columns(");
    EXPECT_EQ(std::count_if(columns.begin(), columns.end(), [](const auto& e) { return e.ends_with(".Select"); }),
              5 + 6);  // five styled columns, six key columns
}

TEST_F(PaginatriceBuild, NothingLoadedGivesHeaderBreakAndAnEmptyKey)
{
    WriteSession(temp / "print.test", "small.dat", "1;2;", "not a session");
    for (const int32_t formato : {1, 2}) {
        log.Clear();
        auto builder = Builder();
        builder->CaricaQuesitiDaSessione(temp / "print.test", false);
        builder->Formato = formato;
        builder->Build();
        const auto& doc = DocumentOf(*builder);
        // (header table), page break, empty paragraph, final paragraph; the key has no rows.
        ASSERT_EQ(doc.blocks.size(), formato == 2 ? 4u : 3u);
        if (formato == 2) {
            EXPECT_EQ(TableAt(doc, 0).rows.size(), 1u);
        }
        const std::vector<std::string> header = {"N.\\tDomanda\\tA\\tB\\tC", ""};
        EXPECT_EQ(Inserted(), formato == 2 ? header : std::vector<std::string>{""});
        // Only the number and question columns get a style: there are no answers.
        EXPECT_EQ(Entries("Table.Columns(").size(), formato == 2 ? 2u : 0u);
    }
}

TEST_F(PaginatriceBuild, AnswerKeyRowsAndProgress)
{
    WriteBytes(temp / "gen.dat", GeneratedBank(25));
    ProgramFolder::Set(temp.path());
    for (const int n : {20, 25}) {
        log.Clear();
        WriteSession(temp / "print.test", "gen.dat", CodeList(1, n));
        auto builder = Builder();
        ASSERT_TRUE(builder->CaricaQuesitiDaSessione(temp / "print.test", false));
        builder->Formato = 1;
        std::vector<std::string> events;
        builder->OnSetMax = [&](int32_t v) { events.push_back("max " + std::to_string(v)); };
        builder->OnSetCurrent = [&](int32_t v) { events.push_back(std::to_string(v)); };
        builder->Build();

        std::vector<std::string> expected = {"max " + std::to_string(n), "0"};
        for (int i = 1; i <= n; ++i) expected.push_back(std::to_string(i));
        expected.insert(expected.end(), {std::to_string(n), "max " + std::to_string(n), "0", "10", "20"});
        expected.push_back(std::to_string(n));
        EXPECT_EQ(events, expected) << n;

        const auto inserted = Inserted();
        const auto key = Slice(inserted, 5 * static_cast<size_t>(n) + 1, 10);
        ASSERT_EQ(key.size(), n == 20 ? 2u : 3u);
        EXPECT_EQ(key[0], "1\\tB\\t2\\tC\\t3\\tD\\t4\\tA\\t5\\tB\\t6\\tC\\t7\\tD\\t8\\tA\\t9\\tB\\t10\\tC");
        if (n == 25) {
            EXPECT_EQ(key[2], "21\\tB\\t22\\tC\\t23\\tD\\t24\\tA\\t25\\tB");
        }

        const auto& doc = DocumentOf(*builder);
        const auto& grid = TableAt(doc, doc.blocks.size() - 2);
        ASSERT_EQ(grid.rows.size(), key.size());
        ASSERT_EQ(grid.ColumnCount(), 20u);
        EXPECT_FALSE(grid.allowAutoFit);
        EXPECT_TRUE(grid.allowBreakAcrossPages);
        for (size_t c = 0; c < 20; ++c) {
            EXPECT_EQ(grid.columnWidths[c], c % 2 == 0 ? 32 : 20);
            EXPECT_EQ(grid.rows[0][c].style, c % 2 == 0 ? "Griglia domanda" : "Griglia risposta");
            EXPECT_EQ(grid.rows[0][c].direct.alignment, c % 2 == 0 ? 2 : 0);
        }
        if (n == 25) {
            EXPECT_EQ(grid.rows[2][9].text, "B");
            EXPECT_EQ(grid.rows[2][10].text, "");
        }
    }
}

TEST_F(PaginatriceBuild, SavesUnderANewNameAndOpensIt)
{
    std::vector<fs::path> saved;
    for (int run = 0; run < 2; ++run) {
        auto builder = Loaded("small", "1;2;", 2);
        builder->Build();
        saved.push_back(builder->WordApp()->Documents()(1).FullName());
    }
    ASSERT_EQ(opener->opened, saved);
    EXPECT_EQ(saved[0].parent_path(), temp / "Documenti");
    // The date and time are local: "Prova - quiz 2026-12-06 10.15.docx" here.
    const std::string name = saved[0].filename().string();
    EXPECT_EQ(name.size(), std::string("Prova - quiz 2026-12-06 10.15.docx").size()) << name;
    EXPECT_EQ(name.rfind("Prova - quiz 2026-12-0", 0), 0u) << name;
    EXPECT_EQ(name.substr(name.size() - 8, 1), ".") << name;
    EXPECT_EQ(saved[1].filename().string(), saved[0].stem().string() + " (2).docx");
    EXPECT_TRUE(fs::exists(saved[0]) && fs::exists(saved[1]));
}

TEST_F(PaginatriceBuild, NoApplicationToOpenTheDocumentIsTheAutomationError)
{
    opener->succeed = false;
    auto builder = Loaded("small", "1;2;", 1);
    try {
        builder->Build();
        FAIL() << "no error";
    } catch (const PrintError& e) {
        EXPECT_EQ(e.Number(), 429);
        EXPECT_TRUE(fs::exists(e.SavedPath()));
        EXPECT_NE(e.Description().find(e.SavedPath().string()), std::string::npos);
    }
    EXPECT_TRUE(Entries("AttachedTemplate").empty());
}

TEST_F(PaginatriceBuild, AFolderThatCannotBeMadeIsASaveError)
{
    WriteBytes(temp / "Documenti", "a file where the folder should be");
    auto builder = Loaded("small", "1;2;", 1);
    try {
        builder->Build();
        FAIL() << "no error";
    } catch (const PrintError& e) {
        EXPECT_EQ(e.Number(), 75);
        EXPECT_EQ(e.Description().rfind("Impossibile creare la cartella", 0), 0u) << e.Description();
    }
    EXPECT_TRUE(opener->opened.empty());
}
