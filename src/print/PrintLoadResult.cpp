#include "print/PrintLoadResult.h"

UserMessage PrintLoadResult::Message() const
{
    if (!Failed()) return {};
    return {"Attenzione!", "Impossibile leggere i quesiti da stampare: " + errorDescription + ".", MessageIcon::Critical};
}
