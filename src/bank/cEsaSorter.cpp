#include "bank/cEsaSorter.h"

#include "bank/cQuesito.h"
#include "bank/SorterKeys.h"

std::string cEsaSorter::GetOrder(const cQuesito& oQuesito)
{
    const int32_t topicId = oQuesito.Argomento() ? oQuesito.Argomento()->ID : 0;
    const bool topicOk = SetEsame.IDArgomento == 0 || topicId == SetEsame.IDArgomento;
    const bool difficultyOk = SetEsame.Difficolta == 0 || oQuesito.Difficolta == SetEsame.Difficolta;
    return topicOk && difficultyOk ? FormatOrderKey(1, 1) : SkipKey;
}
