// The .docx the builder saves, read back: the package, the styles, the tables
// with their grid, widths, borders and margins, the page, the properties, and
// the schema's element order everywhere.

#include "print/DocxWriter.h"

#include "PrintTestSupport.h"

#include <map>
#include <pugixml.hpp>
#include <set>

using namespace printtest;

namespace {

struct Package {
    std::map<std::string, std::string> parts;
    std::map<std::string, pugi::xml_document> xml;

    const pugi::xml_document& operator[](const std::string& name) const { return xml.at(name); }
};

Package Open(const fs::path& docx)
{
    Package p;
    p.parts = ReadZip(docx);
    for (const auto& [name, content] : p.parts) {
        const auto parsed = p.xml[name].load_string(content.c_str());
        EXPECT_TRUE(parsed) << name << ": " << parsed.description();
    }
    return p;
}

std::string Attr(pugi::xml_node n, const char* name) { return n.attribute(name).value(); }

pugi::xml_node Style(const Package& p, const std::string& id)
{
    return p["word/styles.xml"].find_node([&](pugi::xml_node n) {
        return std::string(n.name()) == "w:style" && Attr(n, "w:styleId") == id;
    });
}

std::vector<pugi::xml_node> All(const pugi::xml_node& root, const std::string& name)
{
    std::vector<pugi::xml_node> out;
    for (const auto& x : root.select_nodes((".//" + name).c_str())) out.push_back(x.node());
    return out;
}

// Child order of the containers we write, as the WordprocessingML schema has it;
// names joined by "|" may come in any order among themselves.
const std::map<std::string, std::vector<std::string>>& SchemaOrder()
{
    static const std::map<std::string, std::vector<std::string>> order = {
        {"w:body", {"w:p|w:tbl", "w:sectPr"}},
        {"w:p", {"w:pPr", "w:r"}},
        {"w:r", {"w:rPr", "w:t|w:tab|w:br"}},
        {"w:pPr", {"w:pStyle", "w:keepNext", "w:keepLines", "w:pageBreakBefore", "w:widowControl", "w:numPr",
                   "w:pBdr", "w:shd", "w:tabs", "w:spacing", "w:ind", "w:contextualSpacing", "w:jc", "w:outlineLvl",
                   "w:rPr", "w:sectPr"}},
        {"w:rPr", {"w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps", "w:strike",
                   "w:vanish", "w:color", "w:spacing", "w:kern", "w:sz", "w:szCs", "w:highlight", "w:u", "w:lang"}},
        {"w:tbl", {"w:tblPr", "w:tblGrid", "w:tr"}},
        {"w:tblPr", {"w:tblStyle", "w:tblpPr", "w:tblOverlap", "w:bidiVisual", "w:tblW", "w:jc", "w:tblCellSpacing",
                     "w:tblInd", "w:tblBorders", "w:shd", "w:tblLayout", "w:tblCellMar", "w:tblLook"}},
        {"w:tblBorders", {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}},
        {"w:tblCellMar", {"w:top", "w:left", "w:bottom", "w:right"}},
        {"w:tr", {"w:tblPrEx", "w:trPr", "w:tc"}},
        {"w:trPr", {"w:cantSplit", "w:trHeight", "w:tblHeader"}},
        {"w:tc", {"w:tcPr", "w:p|w:tbl"}},
        {"w:tcPr", {"w:cnfStyle", "w:tcW", "w:gridSpan", "w:vMerge", "w:tcBorders", "w:shd", "w:noWrap", "w:tcMar",
                    "w:vAlign"}},
        {"w:tcBorders", {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV", "w:tl2br", "w:tr2bl"}},
        {"w:sectPr", {"w:headerReference", "w:footerReference", "w:footnotePr", "w:endnotePr", "w:type", "w:pgSz",
                      "w:pgMar", "w:paperSrc", "w:pgBorders", "w:lnNumType", "w:pgNumType", "w:cols", "w:formProt",
                      "w:vAlign", "w:noEndnote", "w:titlePg", "w:textDirection", "w:bidi", "w:rtlGutter",
                      "w:docGrid"}},
        {"w:styles", {"w:docDefaults", "w:latentStyles", "w:style"}},
        {"w:docDefaults", {"w:rPrDefault", "w:pPrDefault"}},
        {"w:style", {"w:name", "w:aliases", "w:basedOn", "w:next", "w:link", "w:autoRedefine", "w:hidden",
                     "w:uiPriority", "w:semiHidden", "w:unhideWhenUsed", "w:qFormat", "w:locked", "w:pPr", "w:rPr",
                     "w:tblPr", "w:trPr", "w:tcPr"}},
        {"w:settings", {"w:writeProtection", "w:view", "w:zoom", "w:mirrorMargins", "w:gutterAtTop",
                        "w:hideSpellingErrors", "w:hideGrammaticalErrors", "w:proofState", "w:defaultTabStop",
                        "w:evenAndOddHeaders", "w:bookFoldRevPrinting", "w:bookFoldPrinting",
                        "w:bookFoldPrintingSheets", "w:characterSpacingControl", "w:printTwoOnOne", "w:compat",
                        "w:rsids", "w:themeFontLang"}},
    };
    return order;
}

// Every element of the containers above has only known children, in order.
void ExpectSchemaOrder(const pugi::xml_document& doc, const std::string& part)
{
    const auto& order = SchemaOrder();
    std::vector<pugi::xml_node> stack = {doc.document_element()};
    while (!stack.empty()) {
        const pugi::xml_node node = stack.back();
        stack.pop_back();
        const auto known = order.find(node.name());
        size_t last = 0;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            stack.push_back(child);
            if (known == order.end()) continue;
            const auto& ranks = known->second;
            const std::string name = child.name();
            const auto at = std::find_if(ranks.begin(), ranks.end(), [&](const std::string& rank) {
                return ("|" + rank + "|").find("|" + name + "|") != std::string::npos;
            });
            ASSERT_NE(at, ranks.end()) << part << ": <" << name << "> in <" << node.name() << ">";
            const auto index = static_cast<size_t>(at - ranks.begin());
            EXPECT_GE(index, last) << part << ": <" << child.name() << "> out of order in <" << node.name() << ">";
            last = index;
        }
    }
}

}  // namespace

class DocxTest : public PrintTest {
protected:
    Package Built(int32_t formato)
    {
        auto builder = Loaded("small", CodeList(1, 12), formato);
        builder->Build();
        return Open(builder->WordApp()->Documents()(1).FullName());
    }
};

TEST_F(DocxTest, EveryPartIsDeclaredAndLinked)
{
    const Package p = Built(2);
    const std::set<std::string> expected = {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                                            "word/_rels/document.xml.rels", "word/styles.xml", "word/settings.xml",
                                            "docProps/core.xml", "docProps/app.xml"};
    std::set<std::string> names;
    for (const auto& [name, content] : p.parts) names.insert(name);
    ASSERT_EQ(names, expected);

    std::set<std::string> declared;
    for (const auto& o : All(p["[Content_Types].xml"].document_element(), "*[local-name()='Override']"))
        declared.insert(Attr(o, "PartName").substr(1));
    for (const auto& name : expected) {
        if (!name.ends_with(".rels") && name != "[Content_Types].xml") {
            EXPECT_TRUE(declared.contains(name)) << name;
        }
    }

    const auto targets = [&](const std::string& rels, const std::string& base) {
        std::set<std::string> out;
        for (const auto& r : All(p[rels].document_element(), "*[local-name()='Relationship']")) {
            EXPECT_TRUE(p.parts.contains(base + Attr(r, "Target"))) << Attr(r, "Target");
            out.insert(base + Attr(r, "Target"));
        }
        return out;
    };
    EXPECT_EQ(targets("_rels/.rels", ""),
              (std::set<std::string>{"word/document.xml", "docProps/core.xml", "docProps/app.xml"}));
    EXPECT_EQ(targets("word/_rels/document.xml.rels", "word/"),
              (std::set<std::string>{"word/styles.xml", "word/settings.xml"}));
}

TEST_F(DocxTest, StylesCarryFontsSizesIndentsAndSpacing)
{
    const Package p = Built(1);
    const auto normal = Style(p, "Normal");
    EXPECT_EQ(Attr(normal, "w:default"), "1");

    const auto domanda = Style(p, "Domanda");
    ASSERT_TRUE(domanda);
    EXPECT_EQ(Attr(domanda.child("w:basedOn"), "w:val"), "Normal");
    EXPECT_EQ(Attr(domanda.child("w:next"), "w:val"), "Normal");
    EXPECT_EQ(Attr(domanda.child("w:rPr").child("w:rFonts"), "w:ascii"), "Arial");
    EXPECT_TRUE(domanda.child("w:rPr").child("w:b"));
    EXPECT_EQ(Attr(domanda.child("w:rPr").child("w:b"), "w:val"), "");
    EXPECT_EQ(Attr(domanda.child("w:rPr").child("w:sz"), "w:val"), "18");
    EXPECT_EQ(Attr(domanda.child("w:pPr").child("w:spacing"), "w:before"), "120");
    EXPECT_EQ(Attr(domanda.child("w:pPr").child("w:spacing"), "w:after"), "20");
    EXPECT_EQ(Attr(domanda.child("w:pPr").child("w:jc"), "w:val"), "both");

    const auto risposta = Style(p, "Risposta");
    EXPECT_EQ(Attr(risposta.child("w:rPr").child("w:b"), "w:val"), "0");
    EXPECT_EQ(Attr(risposta.child("w:rPr").child("w:sz"), "w:val"), "16");
    EXPECT_EQ(Attr(risposta.child("w:pPr").child("w:ind"), "w:left"), "480");
    EXPECT_EQ(Attr(risposta.child("w:pPr").child("w:ind"), "w:hanging"), "230");

    const auto key = Style(p, "Grigliarisposta");
    EXPECT_EQ(Attr(key.child("w:name"), "w:val"), "Griglia risposta");
    EXPECT_TRUE(key.child("w:rPr").child("w:i"));

    // The list's paragraphs use them; the questions and answers keep their signs.
    const auto& body = p["word/document.xml"].document_element().child("w:body");
    EXPECT_EQ(All(body, "w:pStyle[@w:val='Domanda']").size(), 12u);
    EXPECT_EQ(All(body, "w:pStyle[@w:val='Risposta']").size(), 48u);
    std::string text;
    for (const auto& t : All(body, "w:t")) text += t.text().get() + std::string("\n");
    EXPECT_NE(text.find("10. Quanto vale 3 × 4 ÷ 2?  Scegliere la risposta esatta."), std::string::npos);
    EXPECT_NE(text.find("D) L'euro (€)"), std::string::npos);
    EXPECT_EQ(All(body, "w:br[@w:type='page']").size(), 1u);
}

TEST_F(DocxTest, TablesHaveTheirGridWidthsBordersAndMargins)
{
    const Package p = Built(2);
    const auto tables = All(p["word/document.xml"].document_element(), "w:tbl");
    ASSERT_EQ(tables.size(), 2u);

    const auto questions = tables[0];
    const auto grid = All(questions, "w:tblGrid/w:gridCol");
    ASSERT_EQ(grid.size(), 6u);
    long total = 0;
    for (const auto& c : grid) total += std::stol(Attr(c, "w:w"));
    EXPECT_LE(total, 11906 - 2 * 567);  // within the margins
    for (size_t c = 2; c < 6; ++c)
        EXPECT_GT(std::stol(Attr(grid[1], "w:w")), std::stol(Attr(grid[c], "w:w")));  // the question is the widest
    EXPECT_EQ(Attr(questions.child("w:tblPr").child("w:tblW"), "w:type"), "auto");
    EXPECT_FALSE(questions.child("w:tblPr").child("w:tblLayout"));
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        const auto b = questions.child("w:tblPr").child("w:tblBorders").child(side);
        EXPECT_EQ(Attr(b, "w:val"), "single") << side;
        EXPECT_EQ(Attr(b, "w:sz"), "4") << side;
        EXPECT_EQ(Attr(b, "w:color"), "auto") << side;
    }
    const auto margins = questions.child("w:tblPr").child("w:tblCellMar");
    EXPECT_EQ(Attr(margins.child("w:top"), "w:w"), "57");
    EXPECT_EQ(Attr(margins.child("w:left"), "w:w"), "68");
    const auto rows = All(questions, "w:tr");
    ASSERT_EQ(rows.size(), 13u);
    for (const auto& row : rows) {
        EXPECT_TRUE(row.child("w:trPr").child("w:cantSplit"));
        const auto cells = All(row, "w:tc");
        ASSERT_EQ(cells.size(), 6u);
        for (size_t c = 0; c < 6; ++c) {
            EXPECT_EQ(Attr(cells[c].child("w:tcPr").child("w:tcW"), "w:w"), Attr(grid[c], "w:w"));
            EXPECT_TRUE(cells[c].child("w:p"));
        }
    }

    const auto key = tables[1];
    EXPECT_EQ(Attr(key.child("w:tblPr").child("w:tblLayout"), "w:type"), "fixed");
    EXPECT_EQ(Attr(key.child("w:tblPr").child("w:tblW"), "w:w"), "10400");
    EXPECT_EQ(Attr(key.child("w:tblPr").child("w:tblCellMar").child("w:top"), "w:w"), "85");
    const auto keyGrid = All(key, "w:tblGrid/w:gridCol");
    ASSERT_EQ(keyGrid.size(), 20u);
    for (size_t c = 0; c < 20; ++c) EXPECT_EQ(Attr(keyGrid[c], "w:w"), c % 2 == 0 ? "640" : "400");
    EXPECT_EQ(All(key, "w:tr").size(), 2u);
    EXPECT_TRUE(All(key, "w:cantSplit").empty());
    EXPECT_EQ(All(key, "w:tc").size(), 40u);
    EXPECT_EQ(All(key, "w:tc/w:p").size(), 40u);
    EXPECT_EQ(All(key, "w:pPr/w:jc[@w:val='right']").size(), 20u);
}

TEST_F(DocxTest, PageSettingsAndProperties)
{
    const Package p = Built(1);
    const auto section = p["word/document.xml"].document_element().child("w:body").last_child();
    ASSERT_STREQ(section.name(), "w:sectPr");
    EXPECT_EQ(Attr(section.child("w:type"), "w:val"), "nextPage");
    EXPECT_EQ(Attr(section.child("w:pgSz"), "w:w"), "11906");
    EXPECT_EQ(Attr(section.child("w:pgSz"), "w:h"), "16838");
    const auto m = section.child("w:pgMar");
    const std::map<std::string, std::string> margins = {{"w:top", "680"},    {"w:bottom", "680"}, {"w:left", "567"},
                                                        {"w:right", "567"},  {"w:header", "709"}, {"w:footer", "709"},
                                                        {"w:gutter", "0"}};
    for (const auto& [name, value] : margins) EXPECT_EQ(Attr(m, name.c_str()), value) << name;

    const auto settings = p["word/settings.xml"].document_element();
    EXPECT_TRUE(settings.child("w:hideSpellingErrors"));
    EXPECT_TRUE(settings.child("w:hideGrammaticalErrors"));

    const auto core = p["docProps/core.xml"].document_element();
    EXPECT_STREQ(core.child("dc:subject").text().get(), "Quiz a risposta multipla");
    EXPECT_STREQ(core.child("dc:creator").text().get(), "www.tessarondequiz.it");
    EXPECT_EQ(std::string(core.child("dc:description").text().get()).rfind("Documento creato con Paginatrice", 0), 0u);
    EXPECT_STREQ(core.child("dcterms:created").text().get(), "2026-12-06T10:15:00Z");
}

TEST_F(DocxTest, SchemaOrderInBothLayouts)
{
    for (const int32_t formato : {1, 2}) {
        const Package p = Built(formato);
        for (const char* part : {"word/document.xml", "word/styles.xml", "word/settings.xml"})
            ExpectSchemaOrder(p[part], part);
    }
}

TEST_F(DocxTest, EveryOptionalElementInSchemaOrderAndTextMadeSafe)
{
    word::Application app;
    word::Document doc = app.Documents().Add();
    word::PageSetup page = doc.PageSetup();
    page.LineNumbering().SetActive(true);
    page.SetOrientation(1);
    page.SetFirstPageTray(2);
    page.SetSectionStart(4);
    page.SetOddAndEvenPagesHeaderFooter(true);
    page.SetDifferentFirstPageHeaderFooter(true);
    page.SetVerticalAlignment(1);
    page.SetSuppressEndnotes(true);
    page.SetMirrorMargins(true);
    page.SetTwoPagesOnOne(true);
    page.SetBookFoldPrinting(true);
    page.SetBookFoldRevPrinting(true);
    page.SetGutterPos(2);
    auto style = doc.Styles().Add("Tutto");
    style.Font().SetItalic(false);
    style.ParagraphFormat().SetFirstLineIndent(12);
    style.ParagraphFormat().SetSpaceBefore(3);
    doc.SetShowSpellingErrors(false);
    doc.BuiltInDocumentProperties("Company").SetValue("Comune & <soci>");
    word::Range r = doc.Range().Paragraphs().Add().Range();
    r.InsertBefore("x\x01y\xff\tz\vw");
    r.ParagraphFormat().SetStyle("Tutto");
    r.ParagraphFormat().SetAlignment(2);
    r.ParagraphFormat().SetLeftIndent(5);
    word::Table t = doc.Range(0, doc.Range().End()).ConvertToTable(";");
    t.Borders()(-7).SetLineStyle(7);
    t.Borders()(-1).SetColor(0x0000FF);
    t.Borders().SetShadow(true);
    t.SetSpacing(1);

    std::map<std::string, pugi::xml_document> xml;
    for (const auto& part : word::DocxWriter::Parts(doc.Data(), std::chrono::system_clock::now()))
        ASSERT_TRUE(xml[part.name].load_string(part.content.c_str())) << part.name;
    for (const char* part : {"word/document.xml", "word/styles.xml", "word/settings.xml"})
        ExpectSchemaOrder(xml[part], part);

    const auto body = xml["word/document.xml"].document_element().child("w:body");
    EXPECT_EQ(All(body, "w:t").size(), 3u);
    EXPECT_STREQ(All(body, "w:t")[0].text().get(), "xy\xEF\xBF\xBD");  // no control character, U+FFFD for a bad byte
    EXPECT_EQ(All(body, "w:tab").size(), 1u);
    EXPECT_EQ(Attr(All(body, "w:tblBorders/w:top")[0], "w:color"), "FF0000");
    EXPECT_EQ(Attr(All(body, "w:tcBorders/w:tl2br")[0], "w:val"), "double");
    EXPECT_EQ(Attr(body.child("w:sectPr").child("w:pgSz"), "w:orient"), "landscape");
    EXPECT_STREQ(xml["docProps/app.xml"].document_element().child("Company").text().get(), "Comune & <soci>");
}
