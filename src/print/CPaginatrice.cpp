#include "print/CPaginatrice.h"

#include "bank/cDocumento.h"
#include "bank/Cp1252.h"
#include "bank/DataFileFormat.h"
#include "bank/DataFolders.h"
#include "bank/ErrorText.h"
#include "bank/TextConvert.h"

#include "setup/BuildConstants.h"
#include "setup/SessionFile.h"

#include "print/PrintError.h"
#include "print/ProductInfo.h"
#include "print/Table.h"

#include <fstream>
#include <vector>

namespace {

// The formatting statements of the styles, the page and the properties each
// stand alone: one that fails is skipped and the next is tried.
template <typename Statement>
void Quietly(Statement&& statement)
{
    try {
        statement();
    } catch (const PrintError&) {
    }
}

std::string Letter(int32_t n) { return n >= 1 && n <= cQuesito::MaxRisposte ? std::string(1, char('A' + n - 1)) : "?"; }

// A text inside a table line: a tab would start another cell.
std::string CellText(std::string text)
{
    for (char& c : text)
        if (c == '\t') c = ' ';
    return text;
}

enum class Para { SpaceBefore, SpaceAfter, LeftIndent, FirstLineIndent, Alignment };

struct StyleDefinition {
    const char* name;
    bool bold;
    double size;
    bool italic;
    std::vector<std::pair<Para, double>> paragraph;
};

}  // namespace

CPaginatrice::CPaginatrice(ApplicationFactory factory)
    : m_factory(std::move(factory)), m_quesiti(std::make_shared<cQuesiti>())
{
    m_quesiti->NumRisposte = 0;
    if (!m_factory) {
        m_factory = [] {
            word::SaveOptions options;
            options.baseName = DocumentBaseName();
            return std::make_shared<word::Application>(std::move(options));
        };
    }
}

std::string CPaginatrice::DocumentBaseName()
{
    std::string title(BuildConstants::CompetitionTitle);
    for (char& c : title)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 32)
            c = '-';
    return title + " - quiz";
}

std::string CPaginatrice::CleanText(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c == '\n') c = ' ';
    for (char& c : out)
        if (c == '\r') c = ' ';
    return out;
}

std::string CPaginatrice::ComposeQuestionText(int32_t n, const cQuesito& q, bool withNumber) const
{
    std::string t = CleanText(q.VisualDescrizione());
    if (withNumber) t = std::to_string(n) + ". " + t;
    if (!MostraArgomenti && !MostraCodici && !MostraDifficolta) return t;
    t += "  (";
    if (MostraArgomenti) {
        if (q.Argomento()) t += CleanText(q.Argomento()->Nome);
        if (MostraCodici || MostraDifficolta) t += ", ";
    }
    if (MostraCodici) {
        t += "n." + std::to_string(q.IDGazzetta);
        if (MostraDifficolta) t += ", ";
    }
    if (MostraDifficolta && q.Difficolta >= DataFileFormat::Facile && q.Difficolta <= DataFileFormat::Difficile)
        t += std::string(static_cast<size_t>(q.Difficolta), '*');
    return t + ")";
}

Expected<void> CPaginatrice::CaricaQuesitiDaSessione(const std::filesystem::path& path, bool bShuffle)
{
    m_quesiti->Clear();
    m_quesiti->NumRisposte = 0;
    auto loaded = [&]() -> Expected<void> {
        const auto file = SessionFile::Read(path);
        if (!file) return tl::unexpected(file.error());
        if (file->legacy) return Fail(Failure::Kind::NotASession);
        const std::string name = Cp1252::ToUtf8(TextConvert::TrimBlanks(file->record.Request.CurrentDataFile));
        if (name.empty()) return Fail("manca il nome dell'archivio dei quesiti");
        // The same bank the start screen reads, whatever the current directory.
        const auto bankPath = DataFolders::BankPath(name);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(bankPath, ec))
            return Fail("l'archivio dei quesiti \"" + name + "\" non è nella cartella del programma");
        if (!std::ifstream(bankPath, std::ios::binary))
            return Fail("impossibile leggere l'archivio dei quesiti \"" + name + "\"");
        cDocumento document;
        document.LoadFromText(bankPath);

        for (const auto& item : file->record.Items) {
            if (item.Codice < 1) continue;
            const int32_t code = item.Codice;
            const auto q = document.Quesiti()->ItemByCodice(code);
            if (!q) return Fail("il quesito " + std::to_string(code) + " non è nell'archivio \"" + name + "\"");
            if (m_quesiti->ItemByCodice(code))
                return Fail("il quesito " + std::to_string(code) + " compare più di una volta");
            if (q->NumRisposte() > m_quesiti->NumRisposte) m_quesiti->NumRisposte = q->NumRisposte();
            m_quesiti->AddObject(q);
        }
        if (bShuffle) m_quesiti->ShuffleAnswers();
        return {};
    };
    Expected<void> result;
    try {
        result = loaded();
    } catch (const std::exception& e) {
        result = Fail(ErrorText::Describe(e));
    }
    if (!result) {
        m_quesiti->Clear();
        m_quesiti->NumRisposte = 0;
    }
    return result;
}

UserMessage CPaginatrice::LoadFailureMessage(const Failure& failure)
{
    return {"Attenzione!", "Impossibile leggere i quesiti da stampare: " + failure.description + ".",
            MessageIcon::Critical};
}

UserMessage CPaginatrice::BuildFailureMessage(const Failure& failure, const std::filesystem::path& saved)
{
    if (failure.kind != Failure::Kind::Unavailable)
        return {"Attenzione!", "Errore inaspettato in fase di creazione del documento: " + failure.description,
                MessageIcon::Critical};
    // Here it means no program on the desktop took the .docx.
    std::string text =
        "Errore in fase di creazione del documento: non è stato possibile aprirlo, perché sul computer manca "
        "un programma che apra i documenti .docx."
        "\r\n\r\nInstallarne uno, ad esempio LibreOffice Writer, e riprovare.";
    // The document exists; only opening it failed. The user must know where it is.
    if (!saved.empty()) text += "\r\n\r\nIl documento è stato comunque salvato in:\r\n" + saved.string();
    return {"Attenzione!", text, MessageIcon::Critical};
}

word::Application* CPaginatrice::GetWordApplication()
{
    if (!m_wordApp) m_wordApp = m_factory();
    return m_wordApp.get();
}

void CPaginatrice::SetMax(int32_t n) const
{
    if (OnSetMax) OnSetMax(n);
}

void CPaginatrice::SetCurrent(int32_t n) const
{
    if (OnSetCurrent) OnSetCurrent(n);
}

Expected<void> CPaginatrice::Build()
{
    try {
        word::Application* made = GetWordApplication();
        if (!made) return Fail(Failure::Kind::Unavailable, "Impossibile avviare l'elaboratore di testi.");
        word::Application& app = *made;
        word::Document doc = app.Documents().Add();
        CreateStyles(doc);
        SetupPage(doc);
        SetDocumentProperties(doc);

        const int32_t n = m_quesiti->Count();
        SetMax(n);
        SetCurrent(0);
        if (Formato == 1) WriteList(doc);
        else if (Formato == 2) WriteTable(doc);
        SetCurrent(n);
        InsertPageBreak(doc);
        AddParagraph(doc, "", "");

        SetMax(n);
        SetCurrent(0);
        WriteAnswerKey(doc);

        doc.Range(0, 0).Select();
        if (auto shown = app.SetVisible(true); !shown) return shown;
        doc.AttachedTemplate().SetSaved(true);
    } catch (const PrintError& e) {
        // A call the object model refused: reported as its automation would.
        return Fail(std::to_string(e.Number()) + " - " + e.what());
    } catch (const std::exception& e) {
        return Fail(std::to_string(PrintError::CommandFailed) + " - " + ErrorText::Describe(e));
    }
    return {};
}

void CPaginatrice::CreateStyles(word::Document& doc)
{
    std::vector<StyleDefinition> definitions = {{"Titolo documento", false, 16, false, {{Para::SpaceBefore, 0}, {Para::SpaceAfter, 14}}}};
    if (Formato == 1) {
        definitions.push_back({"Domanda", true, 9, false,
                         {{Para::LeftIndent, 0}, {Para::SpaceBefore, 6}, {Para::SpaceAfter, 1}, {Para::Alignment, 3}}});
        definitions.push_back({"Risposta", false, 8, false,
                         {{Para::Alignment, 0}, {Para::LeftIndent, 24}, {Para::FirstLineIndent, -11.5},
                          {Para::SpaceBefore, 0}, {Para::SpaceAfter, 1}}});
    } else if (Formato == 2) {
        definitions.push_back({"HeaderTab", true, 10, false, {{Para::Alignment, 1}}});
        definitions.push_back({"NumeroDom", false, 8, false, {{Para::Alignment, 0}}});
        definitions.push_back({"Domanda", false, 8, false, {{Para::Alignment, 0}}});
        definitions.push_back({"Risposta", false, 8, true, {{Para::Alignment, 0}}});
    }
    definitions.push_back({"Griglia domanda", false, 8, false, {{Para::Alignment, 0}}});
    definitions.push_back({"Griglia risposta", false, 8, true, {{Para::Alignment, 0}}});

    for (const StyleDefinition& wanted : definitions) {
        std::optional<word::Style> style;
        Quietly([&] { style = doc.Styles().Add(wanted.name); });
        // Without the style every setting of it would fail too.
        if (!style) continue;
        Quietly([&] { style->Font().SetName("Arial"); });
        Quietly([&] { style->Font().SetBold(wanted.bold); });
        Quietly([&] { style->Font().SetSize(wanted.size); });
        if (wanted.italic) Quietly([&] { style->Font().SetItalic(true); });
        for (const auto& [what, value] : wanted.paragraph) {
            Quietly([&, what = what, value = value] {
                auto format = style->ParagraphFormat();
                switch (what) {
                case Para::SpaceBefore: format.SetSpaceBefore(value); break;
                case Para::SpaceAfter: format.SetSpaceAfter(value); break;
                case Para::LeftIndent: format.SetLeftIndent(value); break;
                case Para::FirstLineIndent: format.SetFirstLineIndent(value); break;
                case Para::Alignment: format.SetAlignment(static_cast<int32_t>(value)); break;
                }
            });
        }
        Quietly([&] { style->SetNextParagraphStyle(-1); });
    }
}

void CPaginatrice::SetupPage(word::Document& doc)
{
    word::Application& app = *m_wordApp;
    word::PageSetup page = doc.PageSetup();
    const auto cm = [&](double value) { return app.CentimetersToPoints(value); };
    Quietly([&] { page.LineNumbering().SetActive(false); });
    Quietly([&] { page.SetOrientation(0); });
    Quietly([&] { page.SetTopMargin(cm(1.2)); });
    Quietly([&] { page.SetBottomMargin(cm(1.2)); });
    Quietly([&] { page.SetLeftMargin(cm(1)); });
    Quietly([&] { page.SetRightMargin(cm(1)); });
    Quietly([&] { page.SetGutter(cm(0)); });
    Quietly([&] { page.SetHeaderDistance(cm(1.25)); });
    Quietly([&] { page.SetFooterDistance(cm(1.25)); });
    Quietly([&] { page.SetPageWidth(cm(21)); });
    Quietly([&] { page.SetPageHeight(cm(29.7)); });
    Quietly([&] { page.SetFirstPageTray(0); });
    Quietly([&] { page.SetOtherPagesTray(0); });
    Quietly([&] { page.SetSectionStart(2); });
    Quietly([&] { page.SetOddAndEvenPagesHeaderFooter(false); });
    Quietly([&] { page.SetDifferentFirstPageHeaderFooter(false); });
    Quietly([&] { page.SetVerticalAlignment(0); });
    Quietly([&] { page.SetSuppressEndnotes(false); });
    Quietly([&] { page.SetMirrorMargins(false); });
    Quietly([&] { page.SetTwoPagesOnOne(false); });
    Quietly([&] { page.SetBookFoldPrinting(false); });
    Quietly([&] { page.SetBookFoldRevPrinting(false); });
    Quietly([&] { page.SetBookFoldPrintingSheets(1); });
    Quietly([&] { page.SetGutterPos(0); });
}

void CPaginatrice::SetDocumentProperties(word::Document& doc)
{
    const std::string site(ProductInfo::WebSite);
    Quietly([&] { doc.BuiltInDocumentProperties("Subject").SetValue("Quiz a risposta multipla"); });
    Quietly([&] { doc.BuiltInDocumentProperties("Author").SetValue(site); });
    Quietly([&] {
        doc.BuiltInDocumentProperties("Comments")
            .SetValue("Documento creato con Paginatrice, scaricabile dal sito " + site + " - " +
                      std::string(ProductInfo::Slogan));
    });
    Quietly([&] { doc.SetShowGrammaticalErrors(false); });
    Quietly([&] { doc.SetShowSpellingErrors(false); });
}

void CPaginatrice::AddParagraph(word::Document& doc, const std::string& text, const std::string& style)
{
    word::Range range = doc.Range().Paragraphs().Add().Range();
    range.InsertBefore(Cp1252::ToUtf8(text));
    if (!style.empty()) range.ParagraphFormat().SetStyle(style);
}

void CPaginatrice::InsertPageBreak(word::Document& doc) { doc.Range().Paragraphs().Add().Range().InsertBreak(7); }

void CPaginatrice::WriteList(word::Document& doc)
{
    int32_t i = 0;
    for (const auto& q : *m_quesiti) {
        SetCurrent(++i);
        AddParagraph(doc, ComposeQuestionText(i, *q, true), "Domanda");
        for (int32_t j = 1; j <= q->NumRisposte(); ++j)
            AddParagraph(doc, Letter(j) + ") " + CleanText(q->VisualRisposta(j)), "Risposta");
    }
}

void CPaginatrice::WriteTable(word::Document& doc)
{
    word::Application& app = *m_wordApp;
    const int64_t start = doc.Range().End();
    const int32_t m = m_quesiti->NumRisposte;
    std::string header = "N.\tDomanda\tA\tB\tC";
    if (m >= 4) header += "\tD";
    if (m >= 5) header += "\tE";
    AddParagraph(doc, header, "");
    int32_t i = 0;
    for (const auto& q : *m_quesiti) {
        SetCurrent(++i);
        std::string line = std::to_string(i) + "\t" + CellText(ComposeQuestionText(i, *q, false));
        for (int32_t j = 1; j <= m; ++j) line += "\t" + CellText(CleanText(q->VisualRisposta(j)));
        AddParagraph(doc, line, "");
    }
    const int64_t end = doc.Range().End();
    word::Table table = doc.Range(start - 1, end).ConvertToTable("\t");

    table.SetTopPadding(app.CentimetersToPoints(0.1));
    table.SetBottomPadding(app.CentimetersToPoints(0.1));
    table.SetLeftPadding(app.CentimetersToPoints(0.12));
    table.SetRightPadding(app.CentimetersToPoints(0.12));
    table.SetSpacing(0);
    table.Rows().SetAllowBreakAcrossPages(false);

    const auto styleColumn = [&](int32_t k, const std::string& style) {
        table.Columns()(k).Select();
        app.Selection().ParagraphFormat().SetStyle(style);
    };
    styleColumn(1, "NumeroDom");
    styleColumn(2, "Domanda");
    for (int32_t k = 3; k <= m + 2; ++k) styleColumn(k, "Risposta");
    table.Rows()(1).Select();
    app.Selection().ParagraphFormat().SetStyle("HeaderTab");

    doc.Range(0, 0).Select();
    table.AutoFitBehavior(1);
    ApplyTableBorders(table);
}

void CPaginatrice::ApplyTableBorders(word::Table& table)
{
    for (const int32_t index : {-2, -4, -1, -3, -5, -6}) SetTableBorder(table, index);
    Quietly([&] { table.Borders()(-7).SetLineStyle(0); });
    Quietly([&] { table.Borders()(-8).SetLineStyle(0); });
    Quietly([&] { table.Borders().SetShadow(false); });
}

void CPaginatrice::SetTableBorder(word::Table& table, int32_t index)
{
    Quietly([&] { table.Borders()(index).SetLineStyle(1); });
    Quietly([&] { table.Borders()(index).SetLineWidth(4); });
    Quietly([&] { table.Borders()(index).SetColor(word::ColorAutomatic); });
}

void CPaginatrice::WriteAnswerKey(word::Document& doc)
{
    word::Application& app = *m_wordApp;
    const int64_t start = doc.Range().End();
    const int32_t count = m_quesiti->Count();
    std::string line;
    int32_t k = 0;
    for (int32_t i = 1; i <= count; ++i) {
        const auto& q = m_quesiti->Item(i);
        line += std::to_string(i) + "\t" + Letter(q->RispostaCorretta) + "\t";
        if (++k == 10) {
            SetCurrent(i);
            AddParagraph(doc, line.substr(0, line.size() - 1), "");
            line.clear();
            k = 0;
        }
    }
    if (!line.empty()) AddParagraph(doc, line.substr(0, line.size() - 1), "");
    SetCurrent(count);

    const int64_t end = doc.Range().End();
    word::Table grid = doc.Range(start - 1, end).ConvertToTable("\t");
    grid.SetTopPadding(app.CentimetersToPoints(0.15));
    grid.SetBottomPadding(app.CentimetersToPoints(0.15));
    grid.SetLeftPadding(app.CentimetersToPoints(0.12));
    grid.SetRightPadding(app.CentimetersToPoints(0.12));
    grid.SetSpacing(0);
    grid.Rows().SetAllowBreakAcrossPages(true);
    grid.SetAllowAutoFit(false);
    for (int32_t c = 1; c <= grid.Columns().Count(); ++c) {
        grid.Columns()(c).Select();
        const bool number = c % 2 == 1;
        app.Selection().ParagraphFormat().SetStyle(number ? "Griglia domanda" : "Griglia risposta");
        app.Selection().ParagraphFormat().SetAlignment(number ? 2 : 0);
        grid.Columns()(c).SetWidth(number ? 32 : 20, 0);
    }
}
