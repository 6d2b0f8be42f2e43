#include "print/DocxWriter.h"

#include "bank/ErrorText.h"

#include "setup/BuildConstants.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <pugixml.hpp>
#include <zip.h>

namespace word::DocxWriter {

namespace {

constexpr const char* W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* PackageRels = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* OfficeRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

pugi::xml_node NewDocument(pugi::xml_document& doc, const char* root)
{
    auto decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    decl.append_attribute("standalone") = "yes";
    return doc.append_child(root);
}

std::string ToString(const pugi::xml_document& doc)
{
    StringWriter writer;
    doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.out;
}

std::string Twips(double points) { return std::to_string(std::lround(points * 20)); }

pugi::xml_node Child(pugi::xml_node parent, const char* name) { return parent.append_child(name); }

void Val(pugi::xml_node parent, const char* name, const std::string& value)
{
    parent.append_child(name).append_attribute("w:val") = value.c_str();
}

// Text the XML may hold: valid UTF-8 (anything else becomes U+FFFD) without
// control characters.
std::string XmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    const auto plain = [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x20 && b < 0x80;
    };
    for (size_t i = 0; i < text.size();) {
        // Plain ASCII, most of any text, goes in by runs.
        const size_t run = std::find_if_not(text.begin() + i, text.end(), plain) - text.begin();
        out.append(text.substr(i, run - i));
        if ((i = run) == text.size()) break;
        const auto b = static_cast<unsigned char>(text[i]);
        size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        bool ok = n > 0 && i + n <= text.size() && !(n == 2 && b < 0xC2);
        for (size_t k = 1; ok && k < n; ++k) ok = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!ok) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        const bool control = n == 1 && b < 0x20 && b != '\t' && b != '\n' && b != '\r';
        const bool nonCharacter = n == 3 && b == 0xEF && static_cast<unsigned char>(text[i + 1]) == 0xBF &&
                                  static_cast<unsigned char>(text[i + 2]) >= 0xBE;
        if (!control && !nonCharacter) out.append(text.substr(i, n));
        i += n;
    }
    return out;
}

const char* Alignment(int32_t value)
{
    switch (value) {
    case 1: return "center";
    case 2: return "right";
    case 3: return "both";
    default: return "left";
    }
}

// pPr children in the schema's order: pStyle, spacing, ind, jc.
void ParagraphProperties(pugi::xml_node parent, const std::string& styleId, const ParagraphProps& p)
{
    const bool any = !styleId.empty() || p.spaceBefore || p.spaceAfter || p.leftIndent || p.firstLineIndent || p.alignment;
    if (!any) return;
    auto pPr = Child(parent, "w:pPr");
    if (!styleId.empty()) Val(pPr, "w:pStyle", styleId);
    if (p.spaceBefore || p.spaceAfter) {
        auto spacing = Child(pPr, "w:spacing");
        if (p.spaceBefore) spacing.append_attribute("w:before") = Twips(*p.spaceBefore).c_str();
        if (p.spaceAfter) spacing.append_attribute("w:after") = Twips(*p.spaceAfter).c_str();
    }
    if (p.leftIndent || p.firstLineIndent) {
        auto ind = Child(pPr, "w:ind");
        if (p.leftIndent) ind.append_attribute("w:left") = Twips(*p.leftIndent).c_str();
        if (p.firstLineIndent && *p.firstLineIndent < 0)
            ind.append_attribute("w:hanging") = Twips(-*p.firstLineIndent).c_str();
        else if (p.firstLineIndent)
            ind.append_attribute("w:firstLine") = Twips(*p.firstLineIndent).c_str();
    }
    if (p.alignment) Val(pPr, "w:jc", Alignment(*p.alignment));
}

// rPr children in the schema's order: rFonts, b, bCs, i, iCs, sz, szCs, lang.
void RunProperties(pugi::xml_node parent, const FontProps& f, const char* lang = nullptr)
{
    auto rPr = Child(parent, "w:rPr");
    if (!f.name.empty()) {
        auto fonts = Child(rPr, "w:rFonts");
        for (const char* a : {"w:ascii", "w:hAnsi", "w:cs"}) fonts.append_attribute(a) = f.name.c_str();
    }
    const auto onOff = [&](const char* name, const char* cs, const std::optional<bool>& v) {
        if (!v) return;
        for (const char* n : {name, cs}) {
            auto e = Child(rPr, n);
            if (!*v) e.append_attribute("w:val") = "0";
        }
    };
    onOff("w:b", "w:bCs", f.bold);
    onOff("w:i", "w:iCs", f.italic);
    if (f.size) {
        const std::string halfPoints = std::to_string(std::lround(*f.size * 2));
        Val(rPr, "w:sz", halfPoints);
        Val(rPr, "w:szCs", halfPoints);
    }
    if (lang) Val(rPr, "w:lang", lang);
}

std::string StyleIdOf(const DocumentData& document, const std::string& name)
{
    if (name.empty()) return {};
    const StyleData* s = document.FindStyle(name);
    return s && s->id != "Normal" ? s->id : std::string();
}

void Runs(pugi::xml_node p, std::string_view text)
{
    if (text.empty()) return;
    auto r = Child(p, "w:r");
    for (size_t start = 0;;) {
        const size_t at = text.find_first_of("\t\f\v\r\n", start);
        if (const auto piece = text.substr(start, at - start); !piece.empty()) {
            auto t = Child(r, "w:t");
            t.append_attribute("xml:space") = "preserve";
            t.text().set(XmlText(piece).c_str());
        }
        if (at == std::string_view::npos) return;
        if (text[at] == '\t') Child(r, "w:tab");
        else if (text[at] == '\f') Child(r, "w:br").append_attribute("w:type") = "page";
        else Child(r, "w:br");
        start = at + 1;
    }
}

void Paragraph(pugi::xml_node parent, const DocumentData& document, const ParagraphData& paragraph)
{
    auto p = Child(parent, "w:p");
    ParagraphProperties(p, StyleIdOf(document, paragraph.style), paragraph.direct);
    Runs(p, paragraph.text);
}

const char* BorderStyle(int32_t lineStyle)
{
    switch (lineStyle) {
    case 1: return "single";
    case 2: return "dotted";
    case 3: return "dashSmallGap";
    case 4: return "dashed";
    case 5: return "dotDash";
    case 6: return "dotDotDash";
    case 7: return "double";
    default: return "nil";
    }
}

std::string Color(int32_t color)
{
    if (color == ColorAutomatic) return "auto";
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return hex;
}

void Border(pugi::xml_node parent, const char* name, const BorderData& b, bool shadow)
{
    auto e = Child(parent, name);
    e.append_attribute("w:val") = BorderStyle(b.lineStyle);
    if (b.lineStyle == 0) return;
    e.append_attribute("w:sz") = b.lineWidth;
    e.append_attribute("w:space") = 0;
    e.append_attribute("w:color") = Color(b.color).c_str();
    if (shadow) e.append_attribute("w:shadow") = 1;
}

void Width(pugi::xml_node parent, const char* name, double points)
{
    auto e = Child(parent, name);
    e.append_attribute("w:w") = Twips(points).c_str();
    e.append_attribute("w:type") = "dxa";
}

// tblPr children in the schema's order: tblW, tblCellSpacing, tblBorders, tblLayout, tblCellMar.
void Table(pugi::xml_node parent, const DocumentData& document, const TableData& table)
{
    auto tbl = Child(parent, "w:tbl");
    auto tblPr = Child(tbl, "w:tblPr");
    double total = 0;
    for (const double w : table.columnWidths) total += w;
    if (table.allowAutoFit) {
        auto w = Child(tblPr, "w:tblW");
        w.append_attribute("w:w") = 0;
        w.append_attribute("w:type") = "auto";
    } else {
        Width(tblPr, "w:tblW", total);
    }
    if (table.spacing > 0) Width(tblPr, "w:tblCellSpacing", table.spacing);
    auto borders = Child(tblPr, "w:tblBorders");
    const char* names[] = {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"};
    for (size_t i = 0; i < 6; ++i) Border(borders, names[i], table.borders[i], table.shadow);
    if (!table.allowAutoFit) Child(tblPr, "w:tblLayout").append_attribute("w:type") = "fixed";
    auto margins = Child(tblPr, "w:tblCellMar");
    Width(margins, "w:top", table.topPadding);
    Width(margins, "w:left", table.leftPadding);
    Width(margins, "w:bottom", table.bottomPadding);
    Width(margins, "w:right", table.rightPadding);

    auto grid = Child(tbl, "w:tblGrid");
    for (const double w : table.columnWidths) Child(grid, "w:gridCol").append_attribute("w:w") = Twips(w).c_str();

    const bool diagonals = table.borders[6].lineStyle != 0 || table.borders[7].lineStyle != 0;
    for (const auto& row : table.rows) {
        auto tr = Child(tbl, "w:tr");
        if (!table.allowBreakAcrossPages) Child(Child(tr, "w:trPr"), "w:cantSplit");
        for (size_t c = 0; c < row.size(); ++c) {
            auto tc = Child(tr, "w:tc");
            auto tcPr = Child(tc, "w:tcPr");
            Width(tcPr, "w:tcW", table.columnWidths[c]);
            if (diagonals) {
                auto tcBorders = Child(tcPr, "w:tcBorders");
                Border(tcBorders, "w:tl2br", table.borders[6], table.shadow);
                Border(tcBorders, "w:tr2bl", table.borders[7], table.shadow);
            }
            Paragraph(tc, document, row[c]);
        }
    }
}

const char* SectionStart(int32_t value)
{
    switch (value) {
    case 0: return "continuous";
    case 1: return "nextColumn";
    case 3: return "evenPage";
    case 4: return "oddPage";
    default: return "nextPage";
    }
}

const char* VerticalAlignment(int32_t value)
{
    switch (value) {
    case 1: return "center";
    case 2: return "both";
    case 3: return "bottom";
    default: return "top";
    }
}

// sectPr children in the schema's order: type, pgSz, pgMar, paperSrc, lnNumType, vAlign, noEndnote, titlePg, rtlGutter.
void Section(pugi::xml_node body, const PageSetupData& page)
{
    auto sectPr = Child(body, "w:sectPr");
    Val(sectPr, "w:type", SectionStart(page.sectionStart));
    auto size = Child(sectPr, "w:pgSz");
    size.append_attribute("w:w") = Twips(page.pageWidth).c_str();
    size.append_attribute("w:h") = Twips(page.pageHeight).c_str();
    if (page.orientation == 1) size.append_attribute("w:orient") = "landscape";
    auto margins = Child(sectPr, "w:pgMar");
    margins.append_attribute("w:top") = Twips(page.topMargin).c_str();
    margins.append_attribute("w:right") = Twips(page.rightMargin).c_str();
    margins.append_attribute("w:bottom") = Twips(page.bottomMargin).c_str();
    margins.append_attribute("w:left") = Twips(page.leftMargin).c_str();
    margins.append_attribute("w:header") = Twips(page.headerDistance).c_str();
    margins.append_attribute("w:footer") = Twips(page.footerDistance).c_str();
    margins.append_attribute("w:gutter") = Twips(page.gutter).c_str();
    if (page.firstPageTray != 0 || page.otherPagesTray != 0) {
        auto source = Child(sectPr, "w:paperSrc");
        source.append_attribute("w:first") = page.firstPageTray;
        source.append_attribute("w:other") = page.otherPagesTray;
    }
    if (page.lineNumbering) Child(sectPr, "w:lnNumType").append_attribute("w:countBy") = 1;
    Val(sectPr, "w:vAlign", VerticalAlignment(page.verticalAlignment));
    if (page.suppressEndnotes) Child(sectPr, "w:noEndnote");
    if (page.differentFirstPageHeaderFooter) Child(sectPr, "w:titlePg");
    if (page.gutterPos == 2) Child(sectPr, "w:rtlGutter");
}

std::string DocumentPart(const DocumentData& document)
{
    pugi::xml_document doc;
    auto root = NewDocument(doc, "w:document");
    root.append_attribute("xmlns:w") = W;
    root.append_attribute("xmlns:r") = R;
    auto body = Child(root, "w:body");
    for (const Block& block : document.blocks) {
        if (const auto* p = std::get_if<std::shared_ptr<ParagraphData>>(&block))
            Paragraph(body, document, **p);
        else
            Table(body, document, *std::get<std::shared_ptr<TableData>>(block));
    }
    Section(body, document.page);
    return ToString(doc);
}

// style children in the schema's order: name, basedOn, next, uiPriority, semiHidden, unhideWhenUsed, qFormat, pPr, rPr, tblPr.
std::string StylesPart(const DocumentData& document)
{
    pugi::xml_document doc;
    auto root = NewDocument(doc, "w:styles");
    root.append_attribute("xmlns:w") = W;
    auto defaults = Child(root, "w:docDefaults");
    RunProperties(Child(defaults, "w:rPrDefault"), {}, "it-IT");
    auto pPrDefault = Child(Child(defaults, "w:pPrDefault"), "w:pPr");
    Child(pPrDefault, "w:spacing").append_attribute("w:after") = 0;

    for (const auto& style : document.styles) {
        const bool normal = style.get() == document.styles.front().get();
        auto s = Child(root, "w:style");
        s.append_attribute("w:type") = "paragraph";
        if (normal) s.append_attribute("w:default") = 1;
        else s.append_attribute("w:customStyle") = 1;
        s.append_attribute("w:styleId") = style->id.c_str();
        Val(s, "w:name", style->name);
        if (!normal) Val(s, "w:basedOn", "Normal");
        if (!style->next.empty())
            if (const StyleData* next = document.FindStyle(style->next)) Val(s, "w:next", next->id);
        Child(s, "w:qFormat");
        ParagraphProperties(s, {}, style->paragraph);
        RunProperties(s, style->font);
    }

    // Word's default table style, so tables without one lay out alike everywhere.
    auto table = Child(root, "w:style");
    table.append_attribute("w:type") = "table";
    table.append_attribute("w:default") = 1;
    table.append_attribute("w:styleId") = "TableNormal";
    Val(table, "w:name", "Normal Table");
    Val(table, "w:uiPriority", "99");
    Child(table, "w:semiHidden");
    Child(table, "w:unhideWhenUsed");
    auto margins = Child(Child(table, "w:tblPr"), "w:tblCellMar");
    Width(margins, "w:top", 0);
    Width(margins, "w:left", CmToPoints(0.19));
    Width(margins, "w:bottom", 0);
    Width(margins, "w:right", CmToPoints(0.19));
    return ToString(doc);
}

// settings children in the schema's order.
std::string SettingsPart(const DocumentData& document)
{
    const PageSetupData& page = document.page;
    pugi::xml_document doc;
    auto root = NewDocument(doc, "w:settings");
    root.append_attribute("xmlns:w") = W;
    Child(root, "w:zoom").append_attribute("w:percent") = 100;
    if (page.mirrorMargins) Child(root, "w:mirrorMargins");
    if (page.gutterPos == 1) Child(root, "w:gutterAtTop");
    if (!document.showSpellingErrors) Child(root, "w:hideSpellingErrors");
    if (!document.showGrammaticalErrors) Child(root, "w:hideGrammaticalErrors");
    Val(root, "w:defaultTabStop", "708");
    if (page.oddAndEvenPagesHeaderFooter) Child(root, "w:evenAndOddHeaders");
    if (page.bookFoldRevPrinting) Child(root, "w:bookFoldRevPrinting");
    if (page.bookFoldPrinting) Child(root, "w:bookFoldPrinting");
    if (page.bookFoldPrinting || page.bookFoldRevPrinting)
        Val(root, "w:bookFoldPrintingSheets", std::to_string(page.bookFoldPrintingSheets));
    Val(root, "w:characterSpacingControl", "doNotCompress");
    if (page.twoPagesOnOne) Child(root, "w:printTwoOnOne");
    auto compat = Child(Child(root, "w:compat"), "w:compatSetting");
    compat.append_attribute("w:name") = "compatibilityMode";
    compat.append_attribute("w:uri") = "http://schemas.microsoft.com/office/word";
    compat.append_attribute("w:val") = "15";
    return ToString(doc);
}

std::string Property(const DocumentData& document, std::string_view name)
{
    for (const auto& [n, value] : document.properties)
        if (n == name) return XmlText(value);
    return {};
}

std::string CorePart(const DocumentData& document, std::chrono::system_clock::time_point created)
{
    pugi::xml_document doc;
    auto root = NewDocument(doc, "cp:coreProperties");
    root.append_attribute("xmlns:cp") = "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
    root.append_attribute("xmlns:dc") = "http://purl.org/dc/elements/1.1/";
    root.append_attribute("xmlns:dcterms") = "http://purl.org/dc/terms/";
    root.append_attribute("xmlns:dcmitype") = "http://purl.org/dc/dcmitype/";
    root.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    const std::pair<const char*, const char*> map[] = {
        {"Title", "dc:title"},         {"Subject", "dc:subject"},      {"Author", "dc:creator"},
        {"Keywords", "cp:keywords"},   {"Comments", "dc:description"}, {"Category", "cp:category"},
        {"Author", "cp:lastModifiedBy"},
    };
    for (const auto& [name, element] : map) {
        const std::string value = Property(document, name);
        if (!value.empty()) Child(root, element).text().set(value.c_str());
    }
    Child(root, "cp:revision").text().set("1");
    const std::time_t t = std::chrono::system_clock::to_time_t(created);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);
    for (const char* element : {"dcterms:created", "dcterms:modified"}) {
        auto e = Child(root, element);
        e.append_attribute("xsi:type") = "dcterms:W3CDTF";
        e.text().set(stamp);
    }
    return ToString(doc);
}

std::string AppPart(const DocumentData& document)
{
    pugi::xml_document doc;
    auto root = NewDocument(doc, "Properties");
    root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
    root.append_attribute("xmlns:vt") = "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";
    Child(root, "Application").text().set(std::string(BuildConstants::ProductName).c_str());
    for (const char* name : {"Manager", "Company"}) {
        const std::string value = Property(document, name);
        if (!value.empty()) Child(root, name).text().set(value.c_str());
    }
    return ToString(doc);
}

std::string Relationships(std::initializer_list<std::pair<std::string, std::string>> targets)
{
    pugi::xml_document doc;
    auto root = NewDocument(doc, "Relationships");
    root.append_attribute("xmlns") = PackageRels;
    int n = 0;
    for (const auto& [type, target] : targets) {
        auto r = Child(root, "Relationship");
        r.append_attribute("Id") = ("rId" + std::to_string(++n)).c_str();
        r.append_attribute("Type") = type.c_str();
        r.append_attribute("Target") = target.c_str();
    }
    return ToString(doc);
}

std::string ContentTypes()
{
    pugi::xml_document doc;
    auto root = NewDocument(doc, "Types");
    root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/content-types";
    const auto add = [&](const char* element, const char* key, const char* value, const char* type) {
        auto e = Child(root, element);
        e.append_attribute(key) = value;
        e.append_attribute("ContentType") = type;
    };
    add("Default", "Extension", "rels", "application/vnd.openxmlformats-package.relationships+xml");
    add("Default", "Extension", "xml", "application/xml");
    const std::string wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    add("Override", "PartName", "/word/document.xml", (wml + "document.main+xml").c_str());
    add("Override", "PartName", "/word/styles.xml", (wml + "styles+xml").c_str());
    add("Override", "PartName", "/word/settings.xml", (wml + "settings+xml").c_str());
    add("Override", "PartName", "/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
    add("Override", "PartName", "/docProps/app.xml",
        "application/vnd.openxmlformats-officedocument.extended-properties+xml");
    return ToString(doc);
}

// libzip's own texts are English; the user reads these instead.
std::string ZipMessage(zip_error_t* error)
{
    const int code = zip_error_code_zip(error);
    std::string message;
    switch (code) {
    case ZIP_ER_RENAME:
        message = "impossibile sostituire il file";
        break;
    case ZIP_ER_CLOSE:
    case ZIP_ER_WRITE:
        message = "errore di scrittura";
        break;
    case ZIP_ER_SEEK:
    case ZIP_ER_READ:
    case ZIP_ER_TELL:
        message = "errore di lettura";
        break;
    case ZIP_ER_EXISTS:
        message = "il file esiste già";
        break;
    case ZIP_ER_OPEN:
        message = "impossibile aprire il file";
        break;
    case ZIP_ER_TMPOPEN:
        message = "impossibile creare il file temporaneo";
        break;
    case ZIP_ER_REMOVE:
        message = "impossibile eliminare il file";
        break;
    case ZIP_ER_MEMORY:
        message = "memoria insufficiente";
        break;
    default:
        message = "errore n. " + std::to_string(code) + " della compressione";
        break;
    }
    if (zip_error_system_type(error) == ZIP_ET_SYS && zip_error_code_system(error) != 0)
        message += " (" +
                   ErrorText::DescribeSystemError(std::error_code(zip_error_code_system(error), std::generic_category())) +
                   ")";
    return message;
}

std::string ZipMessage(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string message = ZipMessage(&error);
    zip_error_fini(&error);
    return message;
}

tl::unexpected<Failure> SaveFailed(const std::filesystem::path& path, const std::string& reason)
{
    return Fail("Impossibile registrare il documento \"" + path.string() + "\": " + reason + ".");
}

}  // namespace

std::vector<Part> Parts(const DocumentData& document, std::chrono::system_clock::time_point created)
{
    const std::string office = OfficeRels;
    return {
        {"[Content_Types].xml", ContentTypes()},
        {"_rels/.rels", Relationships({{office + "officeDocument", "word/document.xml"},
                                       {"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
                                        "core-properties",
                                        "docProps/core.xml"},
                                       {office + "extended-properties", "docProps/app.xml"}})},
        {"word/document.xml", DocumentPart(document)},
        {"word/_rels/document.xml.rels",
         Relationships({{office + "styles", "styles.xml"}, {office + "settings", "settings.xml"}})},
        {"word/styles.xml", StylesPart(document)},
        {"word/settings.xml", SettingsPart(document)},
        {"docProps/core.xml", CorePart(document, created)},
        {"docProps/app.xml", AppPart(document)},
    };
}

Expected<void> Save(const DocumentData& document, const std::filesystem::path& path, Mode mode,
                    std::chrono::system_clock::time_point created)
{
    const auto parts = Parts(document, created);
    int code = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | (mode == Mode::CreateNew ? ZIP_EXCL : ZIP_TRUNCATE), &code);
    if (!zip) {
        if (code == ZIP_ER_EXISTS && mode == Mode::CreateNew) return Fail(Failure::Kind::Exists);
        return SaveFailed(path, ZipMessage(code));
    }
    for (const Part& part : parts) {
        zip_source_t* source = zip_source_buffer(zip, part.content.data(), part.content.size(), 0);
        const zip_int64_t index = source ? zip_file_add(zip, part.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            const std::string reason = ZipMessage(zip_get_error(zip));
            zip_source_free(source);
            zip_discard(zip);
            return SaveFailed(path, reason);
        }
        // The fastest level: the default one took half the build for a file a fifth smaller.
        zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(zip) < 0) {
        const std::string reason = ZipMessage(zip_get_error(zip));
        zip_discard(zip);
        return SaveFailed(path, reason);
    }
    return {};
}

}  // namespace word::DocxWriter
