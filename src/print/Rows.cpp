#include "print/Rows.h"

#include "print/PrintError.h"

namespace word {

Row Rows::operator()(int32_t index)
{
    if (index < 1 || index > Count())
        throw PrintError(PrintError::NoSuchMember, "La riga " + std::to_string(index) + " non esiste.");
    return {m_app, m_table, static_cast<size_t>(index - 1)};
}

void Rows::SetAllowBreakAcrossPages(bool value)
{
    m_app->Log([&] { return std::string("Table.Rows.AllowBreakAcrossPages = ") + Bool(value); });
    m_table->allowBreakAcrossPages = value;
}

}  // namespace word
