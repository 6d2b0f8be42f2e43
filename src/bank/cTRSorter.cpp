#include "bank/cTRSorter.h"

#include "bank/cQuesito.h"
#include "bank/cRecordBase.h"
#include "bank/DataFileFormat.h"
#include "bank/SorterKeys.h"

void cTRSorter::BeginDraw()
{
    m_records = RecordBase ? RecordBase->ReadAllRecords() : std::vector<cRecordSpec>{};
    m_drawing = true;
}

void cTRSorter::EndDraw()
{
    m_drawing = false;
    m_records = {};
}

cRecordSpec cTRSorter::Record(int32_t codice) const
{
    if (!m_drawing) return RecordBase ? RecordBase->ReadRecord(codice) : cRecordSpec{};
    // As ReadRecord: zeros below record 1 and past the end of the file.
    if (codice < 1 || static_cast<size_t>(codice) > m_records.size()) return {};
    return m_records[static_cast<size_t>(codice) - 1];
}

std::string cTRSorter::GetOrder(const cQuesito& oQuesito)
{
    const cRecordSpec rec = Record(oQuesito.Codice);
    int32_t key1 = 0;
    int32_t key2 = 0;
    bool skip = false;
    if (SoloErrate) {
        if (rec.bnUltimoEsito != cRecordSpec::Marked) {
            skip = true;
        } else {
            key1 = 500000 - rec.nSbagliate;
            key2 = rec.nVisualizzate;
        }
    } else if (PrimaErrate) {
        key1 = rec.bnUltimoEsito == cRecordSpec::Marked ? 500000 - rec.nSbagliate : 1000000;
        key2 = rec.nVisualizzate;
    } else {
        key1 = rec.nVisualizzate;
    }
    if (oQuesito.Difficolta == DataFileFormat::Annullato) skip = true;
    return skip ? SkipKey : FormatOrderKey(key1, key2);
}
