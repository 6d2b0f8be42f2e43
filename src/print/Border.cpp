#include "print/Border.h"

#include "print/PrintError.h"

#include <algorithm>
#include <array>

namespace word {

void Border::SetLineStyle(int32_t value)
{
    m_app->Log([&] { return Owner() + "LineStyle = " + std::to_string(value); });
    if (value < 0 || value > 7)
        throw PrintError(PrintError::ValueOutOfRange, "Stile di bordo non valido: " + std::to_string(value) + ".");
    Data().lineStyle = value;
}

void Border::SetLineWidth(int32_t value)
{
    m_app->Log([&] { return Owner() + "LineWidth = " + std::to_string(value); });
    constexpr std::array<int32_t, 9> Widths = {2, 4, 6, 8, 12, 18, 24, 36, 48};
    if (std::find(Widths.begin(), Widths.end(), value) == Widths.end())
        throw PrintError(PrintError::ValueOutOfRange, "Spessore di bordo non valido: " + std::to_string(value) + ".");
    Data().lineWidth = value;
}

void Border::SetColor(int32_t value)
{
    m_app->Log([&] { return Owner() + "Color = " + std::to_string(value); });
    if (value != ColorAutomatic && (value < 0 || value > 0xFFFFFF))
        throw PrintError(PrintError::ValueOutOfRange, "Colore non valido: " + std::to_string(value) + ".");
    Data().color = value;
}

}  // namespace word
