#include "print/Columns.h"

#include "print/PrintError.h"

namespace word {

Column Columns::operator()(int32_t index)
{
    if (index < 1 || index > Count())
        throw PrintError(PrintError::NoSuchMember, "La colonna " + std::to_string(index) + " non esiste.");
    return {m_app, m_table, static_cast<size_t>(index - 1)};
}

}  // namespace word
