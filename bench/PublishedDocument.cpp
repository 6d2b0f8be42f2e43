#include "PublishedDocument.h"

#include "bank/Cp1252.h"
#include "bank/cDocumento.h"
#include "bank/cQuesiti.h"

#include <pugixml.hpp>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace PublishedDocument {

namespace {

std::string Shown(const std::string& cp1252)
{
    std::string text = Cp1252::ToUtf8(cp1252), out;
    // Line breaks of the display text are blanks on a printed page.
    bool blank = false;
    for (const char c : text) {
        const bool isBlank = c == ' ' || c == '\r' || c == '\n' || c == '\t';
        if (isBlank) blank = !out.empty();
        else {
            if (blank) out += ' ';
            blank = false;
            out += c;
        }
    }
    return out;
}

void Style(pugi::xml_node styles, const char* name, const std::string& size, bool bold, const char* margin)
{
    auto s = styles.append_child("style:style");
    s.append_attribute("style:name") = name;
    s.append_attribute("style:family") = "paragraph";
    auto p = s.append_child("style:paragraph-properties");
    p.append_attribute("fo:margin-top") = margin;
    auto t = s.append_child("style:text-properties");
    t.append_attribute("fo:font-size") = size.c_str();
    if (bold) t.append_attribute("fo:font-weight") = "bold";
}

void Paragraph(pugi::xml_node parent, const char* style, const std::string& text)
{
    auto p = parent.append_child("text:p");
    p.append_attribute("text:style-name") = style;
    p.text() = text.c_str();
}

}  // namespace

std::string Heading(const std::string& name)
{
    std::string out = name;
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 'a' + 'A');
        // UTF-8 à..þ (C3 A0..BE) to À..Þ, leaving ÷.
        if (c == 0xC3 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) out[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

std::vector<Question> FromDataFile(const std::string& data)
{
    cDocumento doc;
    doc.LoadFromData(data);
    std::vector<Question> questions;
    for (const auto& q : *doc.Quesiti()) {
        Question p;
        p.numero = q->IDGazzetta;
        p.argomento = q->Argomento() ? Cp1252::ToUtf8(q->Argomento()->Nome) : std::string();
        p.domanda = Shown(q->VisualDescrizione());
        p.risposte.push_back(Shown(q->VisualRisposta(q->RispostaCorretta)));
        for (int32_t k = 1; k <= q->NumRisposte(); ++k)
            if (k != q->RispostaCorretta) p.risposte.push_back(Shown(q->VisualRisposta(k)));
        questions.push_back(std::move(p));
    }
    return questions;
}

std::string Write(const std::vector<Question>& questions, const Options& options)
{
    pugi::xml_document xml;
    auto decl = xml.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    auto doc = xml.append_child("office:document");
    for (const auto& [prefix, uri] : std::vector<std::pair<const char*, const char*>>{
             {"xmlns:office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
             {"xmlns:style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
             {"xmlns:text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
             {"xmlns:fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"}})
        doc.append_attribute(prefix) = uri;
    doc.append_attribute("office:version") = "1.3";
    doc.append_attribute("office:mimetype") = "application/vnd.oasis.opendocument.text";

    const std::string size = std::to_string(options.fontPt) + "pt";
    auto styles = doc.append_child("office:styles");
    Style(styles, "Domanda", size, true, "0.15cm");
    Style(styles, "Risposta", size, false, "0cm");
    Style(styles, "Argomento", std::to_string(options.fontPt + 2) + "pt", true, "0.4cm");
    Style(styles, "Testata", "7pt", false, "0cm");

    auto layout = doc.append_child("office:automatic-styles").append_child("style:page-layout");
    layout.append_attribute("style:name") = "Pagina";
    auto page = layout.append_child("style:page-layout-properties");
    for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"fo:page-width", "21cm"}, {"fo:page-height", "29.7cm"}, {"fo:margin-top", "1.2cm"},
             {"fo:margin-bottom", "1.2cm"}, {"fo:margin-left", "1.5cm"}, {"fo:margin-right", "1.5cm"}})
        page.append_attribute(name) = value;
    auto columns = page.append_child("style:columns");
    columns.append_attribute("fo:column-count") = options.columns;
    columns.append_attribute("fo:column-gap") = "0.8cm";
    layout.append_child("style:header-style");
    layout.append_child("style:footer-style");

    auto master = doc.append_child("office:master-styles").append_child("style:master-page");
    master.append_attribute("style:name") = "Standard";
    master.append_attribute("style:page-layout-name") = "Pagina";
    auto header = master.append_child("style:header");
    Paragraph(header, "Testata", "Comune di Roccalvento - Banca dati dei quesiti della prova preselettiva");
    Paragraph(header, "Testata", "RC");
    auto footer = master.append_child("style:footer").append_child("text:p");
    footer.append_attribute("text:style-name") = "Testata";
    footer.append_child("text:page-number").text() = "1";
    footer.append_child(pugi::node_pcdata).set_value(" di ");
    footer.append_child("text:page-count").text() = "1";

    auto body = doc.append_child("office:body").append_child("office:text");
    Paragraph(body, "Argomento", "BANCA DATI DEI QUESITI");
    Paragraph(body, "Risposta", "La prima risposta di ogni quesito è quella esatta.");
    std::string topic;
    bool first = true;
    for (const auto& q : questions) {
        if (first || q.argomento != topic) Paragraph(body, "Argomento", Heading(q.argomento));
        first = false;
        topic = q.argomento;
        Paragraph(body, "Domanda", std::to_string(q.numero) + ". " + q.domanda);
        for (size_t k = 0; k < q.risposte.size(); ++k)
            Paragraph(body, "Risposta", std::string(1, static_cast<char>('A' + k)) + ") " + q.risposte[k]);
    }
    std::ostringstream out;
    xml.save(out, "", pugi::format_raw);
    return out.str();
}

std::filesystem::path ConvertToPdf(const std::filesystem::path& document, const std::filesystem::path& outDir,
                                   std::string* log)
{
    static int runs = 0;
    const auto profile = outDir / ("lo-profile-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    const std::string command = "soffice --headless -env:UserInstallation=file://" + profile.string()
                                + " --convert-to pdf --outdir '" + outDir.string() + "' '" + document.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
        pclose(pipe);
    }
    std::error_code ec;
    std::filesystem::remove_all(profile, ec);
    if (log) *log = output;
    auto pdf = outDir / document.filename();
    pdf.replace_extension(".pdf");
    return std::filesystem::exists(pdf) ? pdf : std::filesystem::path();
}

}  // namespace PublishedDocument
