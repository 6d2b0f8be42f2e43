#include "print/PrintError.h"

UserMessage PrintError::Message() const
{
    if (m_number != CannotCreateObject)
        return {"Attenzione!",
                "Errore inaspettato in fase di creazione del documento: " + std::to_string(m_number) + " - " +
                    m_description,
                MessageIcon::Critical};
    // The automation's 429: here, no program on the desktop took the .docx.
    std::string text =
        "Errore in fase di creazione del documento: non è stato possibile aprirlo, perché sul computer manca "
        "un programma che apra i documenti .docx."
        "\r\n\r\nInstallarne uno, ad esempio LibreOffice Writer, e riprovare.";
    // The document exists; only opening it failed. The user must know where it is.
    if (!m_savedPath.empty()) text += "\r\n\r\nIl documento è stato comunque salvato in:\r\n" + m_savedPath.string();
    return {"Attenzione!", text, MessageIcon::Critical};
}
