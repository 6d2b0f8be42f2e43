#include "cTRSorter.h"

#include "SorterKeys.h"
#include "cQuesito.h"
#include "cRecordBase.h"

std::string cTRSorter::GetOrder(const cQuesito& oQuesito)
{
    const cRecordSpec rec = RecordBase ? RecordBase->ReadRecord(oQuesito.Codice) : cRecordSpec{};
    int32_t key1 = 0;
    int32_t key2 = 0;
    bool skip = false;
    if (SoloErrate) {
        if (rec.bnUltimoEsito != 2) {
            skip = true;
        } else {
            key1 = 500000 - rec.nSbagliate;
            key2 = rec.nVisualizzate;
        }
    } else if (PrimaErrate) {
        key1 = rec.bnUltimoEsito == 2 ? 500000 - rec.nSbagliate : 1000000;
        key2 = rec.nVisualizzate;
    } else {
        key1 = rec.nVisualizzate;
    }
    if (oQuesito.Difficolta == 9) skip = true;
    return skip ? SkipKey : FormatOrderKey(key1, key2);
}
