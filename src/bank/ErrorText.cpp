#include "bank/ErrorText.h"

#include <cerrno>
#include <filesystem>
#include <ios>
#include <new>

namespace ErrorText {

std::string Describe(const std::exception& error)
{
    if (dynamic_cast<const BankError*>(&error)) return error.what();
    if (const auto* fs = dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
        const std::string reason = DescribeSystemError(fs->code());
        return fs->path1().empty() ? reason : "\"" + fs->path1().string() + "\": " + reason;
    }
    if (dynamic_cast<const std::ios_base::failure*>(&error)) return "errore di lettura o scrittura di un file";
    if (const auto* system = dynamic_cast<const std::system_error*>(&error)) return DescribeSystemError(system->code());
    if (dynamic_cast<const std::bad_alloc*>(&error)) return "memoria insufficiente";
    return "errore interno del programma";
}

std::string DescribeBankError(BankError::Kind kind, const std::string& subject)
{
    using Kind = BankError::Kind;
    switch (kind) {
    case Kind::AnswerDigits:
        return "risposte registrate non valide alla posizione " + subject;
    case Kind::QuestionIndex:
        return "nessun quesito alla posizione " + subject;
    case Kind::QuestionKey:
        return "nessun quesito con la chiave \"" + subject + "\"";
    case Kind::DuplicateQuestion:
        return "il quesito " + subject + " compare più di una volta";
    case Kind::MissingQuestion:
        return "quesito mancante";
    case Kind::AnswerIndex:
        return "la risposta " + subject + " non esiste";
    case Kind::TopicIndex:
        return "l'argomento " + subject + " non esiste";
    case Kind::TopicName:
        return "nessun argomento di nome \"" + subject + "\"";
    case Kind::ThemeIndex:
        return "il tema " + subject + " non esiste";
    case Kind::ThemeKey:
        return "nessun tema \"" + subject + "\"";
    case Kind::DuplicateTheme:
        return "il tema \"" + subject + "\" esiste già";
    case Kind::Described:
        break;
    }
    return subject;
}

std::string DescribeSystemError(const std::error_code& code)
{
    if (code.category() != std::generic_category() && code.category() != std::system_category())
        return "errore n. " + std::to_string(code.value());
    switch (code.value()) {
    case ENOENT:
        return "file o cartella inesistente";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case EROFS:
        return "disco di sola lettura";
    case ENOSPC:
        return "spazio esaurito sul disco";
    case EDQUOT:
        return "spazio disponibile all'utente esaurito";
    case EFBIG:
        return "file troppo grande";
    case ENOTDIR:
        return "una parte del percorso non è una cartella";
    case EISDIR:
        return "è una cartella, non un file";
    case EEXIST:
        return "il file esiste già";
    case ENAMETOOLONG:
        return "nome del file troppo lungo";
    case EMFILE:
    case ENFILE:
        return "troppi file aperti";
    case EBUSY:
    case ETXTBSY:
        return "file in uso";
    case EIO:
        return "errore di lettura o scrittura sul disco";
    case ENOMEM:
        return "memoria insufficiente";
    default:
        return "errore di sistema n. " + std::to_string(code.value());
    }
}

}  // namespace ErrorText
