#include "print/PrintError.h"

UserMessage PrintError::Message() const
{
    if (m_number != CannotCreateObject)
        return {"Attenzione!",
                "Errore inaspettato in fase di creazione del documento: " + std::to_string(m_number) + " - " +
                    m_description,
                MessageIcon::Critical};
    std::string text =
        "Errore in fase di creazione del documento: non è stato possibile interfacciarsi con Microsoft Word."
        "\r\n\r\nAccertarsi che sul PC sia presente un'installazione funzionante di MS-Word (97/2000/XP/2003 o "
        "una versione successiva).";
    // The document exists; only opening it failed. The user must know where it is.
    if (!m_savedPath.empty()) text += "\r\n\r\nIl documento è stato comunque salvato in:\r\n" + m_savedPath.string();
    return {"Attenzione!", text, MessageIcon::Critical};
}
