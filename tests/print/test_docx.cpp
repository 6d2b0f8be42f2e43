// The printed documents, one case folder each under tests/fixtures/print: a
// suspended test naming a fixture bank and the options (options.txt) go in;
// the parts of the .docx (document.xml, styles.xml, …) come out, compared
// with the files the folder holds (TQ_REGENERATE=1 rewrites them; a new case
// starts with its chosen expected files empty). Every .docx is also checked
// against the schema's element order and for its parts' links, and the
// progress it reports against the questions it prints.

#include "bank/ProgramFolder.h"

#include "print/CPaginatrice.h"
#include "print/DocxWriter.h"

#include "support/ProgramTest.h"

#include <map>
#include <optional>
#include <pugixml.hpp>
#include <set>
#include <sstream>

using namespace support;

namespace {

// Child order of the containers we write, as the WordprocessingML schema has it;
// names joined by "|" may come in any order among themselves.
const std::map<std::string, std::vector<std::string>> SchemaOrder = {
    {"w:body", {"w:p|w:tbl", "w:sectPr"}},
    {"w:p", {"w:pPr", "w:r"}},
    {"w:r", {"w:rPr", "w:t|w:tab|w:br"}},
    {"w:pPr", {"w:pStyle", "w:keepNext", "w:keepLines", "w:pageBreakBefore", "w:widowControl", "w:numPr", "w:pBdr",
               "w:shd", "w:tabs", "w:spacing", "w:ind", "w:contextualSpacing", "w:jc", "w:outlineLvl", "w:rPr",
               "w:sectPr"}},
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
                  "w:vAlign", "w:noEndnote", "w:titlePg", "w:textDirection", "w:bidi", "w:rtlGutter", "w:docGrid"}},
    {"w:styles", {"w:docDefaults", "w:latentStyles", "w:style"}},
    {"w:docDefaults", {"w:rPrDefault", "w:pPrDefault"}},
    {"w:style", {"w:name", "w:aliases", "w:basedOn", "w:next", "w:link", "w:autoRedefine", "w:hidden",
                 "w:uiPriority", "w:semiHidden", "w:unhideWhenUsed", "w:qFormat", "w:locked", "w:pPr", "w:rPr",
                 "w:tblPr", "w:trPr", "w:tcPr"}},
    {"w:settings", {"w:writeProtection", "w:view", "w:zoom", "w:mirrorMargins", "w:gutterAtTop",
                    "w:hideSpellingErrors", "w:hideGrammaticalErrors", "w:proofState", "w:defaultTabStop",
                    "w:evenAndOddHeaders", "w:bookFoldRevPrinting", "w:bookFoldPrinting", "w:bookFoldPrintingSheets",
                    "w:characterSpacingControl", "w:printTwoOnOne", "w:compat", "w:rsids", "w:themeFontLang"}},
};

// Every element of the containers above has only known children, in order.
void ExpectSchemaOrder(const pugi::xml_node& node, const std::string& part)
{
    const auto known = SchemaOrder.find(node.name());
    size_t last = 0;
    for (const pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        ExpectSchemaOrder(child, part);
        if (known == SchemaOrder.end()) continue;
        const auto& ranks = known->second;
        const auto at = std::find_if(ranks.begin(), ranks.end(), [&](const std::string& rank) {
            return ("|" + rank + "|").find("|" + std::string(child.name()) + "|") != std::string::npos;
        });
        ASSERT_NE(at, ranks.end()) << part << ": <" << child.name() << "> in <" << node.name() << ">";
        EXPECT_GE(static_cast<size_t>(at - ranks.begin()), last)
            << part << ": <" << child.name() << "> out of order in <" << node.name() << ">";
        last = static_cast<size_t>(at - ranks.begin());
    }
}

using Parts = std::map<std::string, pugi::xml_document>;

// Every part but the relationships and the content types is declared, and
// every relationship points at a part.
void ExpectDeclaredAndLinked(const Parts& parts)
{
    std::set<std::string> declared, linked;
    for (const auto& o : parts.at("[Content_Types].xml").select_nodes("//*[local-name()='Override']"))
        declared.insert(std::string(o.node().attribute("PartName").value()).substr(1));
    for (const auto& [rels, base] : {std::pair{"_rels/.rels", ""}, std::pair{"word/_rels/document.xml.rels", "word/"}})
        for (const auto& r : parts.at(rels).select_nodes("//*[local-name()='Relationship']"))
            linked.insert(base + std::string(r.node().attribute("Target").value()));
    std::set<std::string> names;
    for (const auto& [name, xml] : parts)
        if (!name.ends_with(".rels") && name != "[Content_Types].xml") names.insert(name);
    EXPECT_EQ(declared, names);
    EXPECT_EQ(linked, names);
}

Parts Parse(const std::vector<word::DocxWriter::Part>& contents)
{
    Parts parts;
    for (const auto& part : contents) {
        const auto parsed = parts[part.name].load_string(part.content.c_str());
        EXPECT_TRUE(parsed) << part.name << ": " << parsed.description();
        ExpectSchemaOrder(parts[part.name], part.name);
    }
    ExpectDeclaredAndLinked(parts);
    return parts;
}

std::string Indented(const pugi::xml_document& xml)
{
    std::ostringstream out;
    xml.save(out, "  ", pugi::format_indent | pugi::format_no_declaration);
    return out.str();
}

std::map<std::string, std::string> ReadOptions(const fs::path& file)
{
    std::map<std::string, std::string> options;
    std::istringstream in(ReadBytes(file));
    for (std::string line; std::getline(in, line);)
        if (const auto eq = line.find('='); eq != std::string::npos) options[line.substr(0, eq)] = line.substr(eq + 1);
    return options;
}

}  // namespace

class PrintedDocument : public ProgramTest, public ::testing::WithParamInterface<fs::path> {};

TEST_P(PrintedDocument, MatchesItsExpectedFiles)
{
    const fs::path dir = GetParam();
    auto options = ReadOptions(dir / "options.txt");
    ProgramFolder::Set(Fixtures::Dir());  // where the banks the tests name are
    CPaginatrice builder([&] {
        word::SaveOptions save;
        save.folder = root / "Documenti";
        save.open = false;
        return std::make_shared<word::Application>(std::move(save));
    });
    // Another file loads nothing, silently.
    const auto loaded = builder.CaricaQuesitiDaSessione(dir / "print.test", options["Shuffle"] == "True");
    ASSERT_TRUE(loaded || loaded.error().kind == Failure::Kind::NotASession) << loaded.error().description;
    builder.Formato = std::stoi(options["Formato"]);
    builder.MostraArgomenti = options["MostraArgomenti"] == "True";
    builder.MostraCodici = options["MostraCodici"] == "True";
    builder.MostraDifficolta = options["MostraDifficolta"] == "True";
    // Two phases, the questions and the key: each bound is the question count,
    // and the position climbs from 0 to it.
    std::vector<std::vector<int32_t>> phases;
    builder.OnSetMax = [&](int32_t n) {
        EXPECT_EQ(n, builder.Quesiti().Count());
        phases.emplace_back();
    };
    builder.OnSetCurrent = [&](int32_t n) {
        ASSERT_FALSE(phases.empty());
        EXPECT_TRUE(phases.back().empty() || n >= phases.back().back()) << n;
        phases.back().push_back(n);
    };
    ASSERT_TRUE(builder.Build());
    ASSERT_EQ(phases.size(), 2u);
    for (const auto& phase : phases) {
        ASSERT_FALSE(phase.empty());
        EXPECT_EQ(phase.front(), 0);
        EXPECT_EQ(phase.back(), builder.Quesiti().Count());
    }

    const Parts parts = Parse(word::DocxWriter::Parts(builder.WordApp()->Documents()(1).Data(), {}));
    int compared = 0;
    for (const auto& expected : fs::directory_iterator(dir)) {
        const std::string name = expected.path().filename().string();
        std::optional<std::string> actual;
        for (const auto& [part, xml] : parts)
            if (part.ends_with("/" + name)) actual = Indented(xml);
        if (!actual) continue;
        ExpectFile(expected, *actual);
        ++compared;
    }
    EXPECT_GT(compared, 0) << "nothing to compare in " << dir;
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintedDocument, ::testing::ValuesIn(Fixtures::Cases("print")),
                         [](const auto& info) {
                             std::string name = info.param.filename().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// What the builder never asks for: every optional element, in schema order,
// and texts the XML cannot hold made safe.
TEST(Docx, EveryOptionalElementInSchemaOrderAndTextMadeSafe)
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
    doc.BuiltInDocumentProperties("Company").SetValue("Comune & <soci>");
    word::Range r = doc.Range().Paragraphs().Add().Range();
    r.InsertBefore("x\x01y\xff\tz\vw");
    r.ParagraphFormat().SetStyle("Tutto");
    r.ParagraphFormat().SetAlignment(2);
    word::Table t = doc.Range(0, doc.Range().End()).ConvertToTable(";");
    t.Borders()(-7).SetLineStyle(7);
    t.Borders()(-1).SetColor(0x0000FF);
    t.Borders().SetShadow(true);
    t.SetSpacing(1);

    const Parts parts = Parse(word::DocxWriter::Parts(doc.Data(), std::chrono::system_clock::now()));
    const auto body = parts.at("word/document.xml").document_element().child("w:body");
    // No control character, U+FFFD for a byte that is not UTF-8, the tab as its element.
    EXPECT_STREQ(body.select_node(".//w:t").node().text().get(), "xy\xEF\xBF\xBD");
    EXPECT_EQ(body.select_nodes(".//w:tab").size(), 1u);
    EXPECT_STREQ(body.select_node(".//w:tblBorders/w:top/@w:color").attribute().value(), "FF0000");
    EXPECT_STREQ(body.select_node(".//w:pgSz/@w:orient").attribute().value(), "landscape");
    EXPECT_STREQ(parts.at("docProps/app.xml").document_element().child("Company").text().get(), "Comune & <soci>");
}
