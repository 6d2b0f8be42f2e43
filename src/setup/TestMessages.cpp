#include "setup/TestMessages.h"


namespace TestMessages {

UserMessage NothingFound()
{
    return {"Attenzione!", "Nessun quesito trovato per i filtri impostati!", MessageIcon::Exclamation};
}

UserMessage StatisticsUnavailable()
{
    return {"Attenzione!",
            "Non è stato possibile aprire il file delle statistiche.\r\n"
            "Il test può essere svolto, ma le risposte date non verranno registrate.",
            MessageIcon::Exclamation};
}

UserMessage SessionNotLoaded(const Failure& failure)
{
    switch (failure.kind) {
    case Failure::Kind::NotASession:
        return {"Attenzione!", "Il file selezionato non è una sessione creata con questo programma!",
                MessageIcon::Critical};
    case Failure::Kind::WrongDataFile:
        return {"Attenzione!", "Il file selezionato non è relativo alla lingua straniera selezionata.",
                MessageIcon::Exclamation};
    case Failure::Kind::NothingFound:
        return NothingFound();
    default:
        return UnexpectedError("Errore inaspettato nel caricamento della sessione", failure.description);
    }
}

UserMessage InterruptedNotResumed(const Failure& failure)
{
    if (failure.kind == Failure::Kind::Missing || failure.kind == Failure::Kind::NothingFound)
        return {"Attenzione!",
                "Il test interrotto non può essere ripreso: alcuni dei suoi quesiti non sono più nella banca dati.",
                MessageIcon::Exclamation};
    return {"Attenzione!", "Il test interrotto non può essere ripreso: il file è danneggiato.",
            MessageIcon::Exclamation};
}

}  // namespace TestMessages
