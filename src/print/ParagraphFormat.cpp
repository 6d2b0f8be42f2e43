#include "print/ParagraphFormat.h"

#include "print/PrintError.h"

namespace word {

template <typename Change>
void ParagraphFormat::Apply(Change change)
{
    if (m_style) change(m_style->paragraph);
    for (ParagraphData* p : m_paragraphs) change(p->direct);
}

void ParagraphFormat::SetStyle(const std::string& name)
{
    m_app->Log([&] { return m_owner + ".ParagraphFormat.Style = " + Quote(name); });
    if (m_style) throw PrintError(PrintError::CommandFailed, "Uno stile non può avere uno stile di paragrafo.");
    if (!m_document || !m_document->FindStyle(name))
        throw PrintError(PrintError::NoSuchMember, "Lo stile \"" + name + "\" non esiste.");
    for (ParagraphData* p : m_paragraphs) {
        p->style = name == "Normal" ? std::string() : name;
        p->direct = {};
    }
}

void ParagraphFormat::SetAlignment(int32_t value)
{
    m_app->Log([&] { return m_owner + ".ParagraphFormat.Alignment = " + std::to_string(value); });
    if (value < 0 || value > 3)
        throw PrintError(PrintError::ValueOutOfRange, "Allineamento non valido: " + std::to_string(value) + ".");
    Apply([&](ParagraphProps& p) { p.alignment = value; });
}

void ParagraphFormat::SetSpacing(const char* what, std::optional<double> ParagraphProps::*member, double points,
                                 double low)
{
    m_app->Log([&] { return m_owner + ".ParagraphFormat." + what + " = " + Num(points); });
    if (!(points >= low && points <= 1584))
        throw PrintError(PrintError::ValueOutOfRange, std::string("Valore non valido per ") + what + ": " + Num(points) + ".");
    Apply([&](ParagraphProps& p) { p.*member = points; });
}

void ParagraphFormat::SetSpaceBefore(double points) { SetSpacing("SpaceBefore", &ParagraphProps::spaceBefore, points, 0); }
void ParagraphFormat::SetSpaceAfter(double points) { SetSpacing("SpaceAfter", &ParagraphProps::spaceAfter, points, 0); }
void ParagraphFormat::SetLeftIndent(double points) { SetSpacing("LeftIndent", &ParagraphProps::leftIndent, points, -1584); }
void ParagraphFormat::SetFirstLineIndent(double points)
{
    SetSpacing("FirstLineIndent", &ParagraphProps::firstLineIndent, points, -1584);
}

}  // namespace word
