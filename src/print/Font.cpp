#include "print/Font.h"

#include "print/PrintError.h"

namespace word {

std::string Font::Owner() const { return "Styles(" + Quote(m_style->name) + ").Font."; }

void Font::SetName(const std::string& name)
{
    m_app->Log([&] { return Owner() + "Name = " + Quote(name); });
    m_style->font.name = name;
}

void Font::SetBold(bool value)
{
    m_app->Log([&] { return Owner() + "Bold = " + Bool(value); });
    m_style->font.bold = value;
}

void Font::SetItalic(bool value)
{
    m_app->Log([&] { return Owner() + "Italic = " + Bool(value); });
    m_style->font.italic = value;
}

void Font::SetSize(double points)
{
    m_app->Log([&] { return Owner() + "Size = " + Num(points); });
    if (!(points >= 1 && points <= 1638))
        throw PrintError(PrintError::ValueOutOfRange, "Dimensione del carattere non valida: " + Num(points) + ".");
    m_style->font.size = points;
}

}  // namespace word
