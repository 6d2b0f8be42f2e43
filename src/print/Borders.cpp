#include "print/Borders.h"

#include "print/PrintError.h"

namespace word {

Border Borders::operator()(int32_t index)
{
    if (index < -8 || index > -1)
        throw PrintError(PrintError::NoSuchMember, "Il bordo " + std::to_string(index) + " non esiste.");
    return {m_app, m_table, index};
}

void Borders::SetShadow(bool value)
{
    m_app->Log([&] { return std::string("Table.Borders.Shadow = ") + Bool(value); });
    m_table->shadow = value;
}

}  // namespace word
