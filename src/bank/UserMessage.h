#pragma once

#include <string>

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

// A message the user is shown, as the core decides it; windows show it
// through the prompts seam and the bank tool prints it. Texts are UTF-8.
struct UserMessage {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

// An unexpected error inside an operation: the operation's phrase
// ("Errore inaspettato nel caricamento della sessione"), ": ", what went wrong.
inline UserMessage UnexpectedError(const std::string& phrase, const std::string& description)
{
    return {"Tessarondequiz", phrase + ": " + description + ".", MessageIcon::Critical};
}
