#include "print/Table.h"

#include "print/PrintError.h"
#include "print/TableAutoFit.h"

namespace word {

void Table::SetPadding(const char* what, double TableData::*member, double points)
{
    m_app->Log([&] { return std::string("Table.") + what + " = " + Num(points); });
    if (!(points >= 0 && points <= 1584))
        throw PrintError(PrintError::ValueOutOfRange, std::string("Valore non valido per ") + what + ": " + Num(points) + ".");
    (*m_table).*member = points;
}

void Table::SetTopPadding(double points) { SetPadding("TopPadding", &TableData::topPadding, points); }
void Table::SetBottomPadding(double points) { SetPadding("BottomPadding", &TableData::bottomPadding, points); }
void Table::SetLeftPadding(double points) { SetPadding("LeftPadding", &TableData::leftPadding, points); }
void Table::SetRightPadding(double points) { SetPadding("RightPadding", &TableData::rightPadding, points); }
void Table::SetSpacing(double points) { SetPadding("Spacing", &TableData::spacing, points); }

void Table::SetAllowAutoFit(bool value)
{
    m_app->Log([&] { return std::string("Table.AllowAutoFit = ") + Bool(value); });
    m_table->allowAutoFit = value;
}

void Table::AutoFitBehavior(int32_t behavior)
{
    m_app->Log([&] { return "Table.AutoFitBehavior(" + std::to_string(behavior) + ")"; });
    const double available = m_document->page.TextWidth();
    switch (behavior) {
    case 0:
        m_table->allowAutoFit = false;
        break;
    case 1:
        m_table->allowAutoFit = true;
        m_table->columnWidths = TableAutoFit::FitToContents(*m_document, *m_table, available);
        break;
    case 2:
        m_table->allowAutoFit = true;
        m_table->columnWidths = TableAutoFit::FitToWidth(*m_table, available);
        break;
    default:
        throw PrintError(PrintError::ValueOutOfRange, "Adattamento non valido: " + std::to_string(behavior) + ".");
    }
}

}  // namespace word
