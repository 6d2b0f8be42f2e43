#include "setup/StatisticsRows.h"

#include "bank/DataFileFormat.h"
#include "bank/DisplayCleaning.h"
#include "bank/ModEncoding.h"
#include "bank/TextConvert.h"

#include <cstdio>

using TextConvert::ReplaceIgnoreCase;

void StatisticsData::Load(const std::filesystem::path& dataFile, const std::filesystem::path& recordFile,
                          int32_t topic)
{
    m_store = std::make_shared<cRecordBase>();
    // A missing or unreadable file lists zeros, and the resets say it is not there.
    if (!m_store->OpenExisting(recordFile)) m_store.reset();
    m_document = std::make_shared<cDocumento>();
    m_document->LoadFromText(dataFile);
    if (topic < 1) {
        m_caption = "Statistiche di tutti gli argomenti";
        m_list = m_document->Quesiti();
    } else {
        const auto argomento = m_document->Argomenti().Find(topic);
        m_caption = "Statistiche dell'argomento:  " + (argomento ? argomento->Nome : std::string());
        m_list = argomento ? m_document->Quesiti()->FilterByArgomento(argomento) : std::make_shared<cQuesiti>();
    }
    BuildRows();
}

void StatisticsData::BuildRows()
{
    m_rows.clear();
    m_rows.reserve(static_cast<size_t>(m_list->Count()));
    const bool open = StoreOpen();
    for (const auto& q : *m_list) {
        if (q->Difficolta == DataFileFormat::Annullato) continue;
        const cRecordSpec rec = open ? m_store->ReadRecord(q->Codice) : cRecordSpec{};
        StatisticsRow row;
        row.codice = q->Codice;
        row.cells[0] = RenderCell(q->IDGazzetta);
        row.cells[1] = q->Argomento() ? q->Argomento()->Nome : std::string();
        row.cells[2] = TextCell(ModEncoding::Decode(q->Descrizione));
        row.cells[3] = RenderCell(rec.nVisualizzate);
        row.cells[4] = RenderCell(rec.nEsatte);
        row.cells[5] = RenderCell(rec.nSbagliate);
        row.cells[6] = rec.bnUltimoEsito == cRecordSpec::Marked ? "X" : "";
        m_rows.push_back(std::move(row));
    }
}

Expected<void> StatisticsData::ResetAll()
{
    if (!StoreOpen()) return Fail("il file delle statistiche non è disponibile");
    for (const auto& q : *m_list)
        if (!m_store->WriteRecord(q->Codice, cRecordSpec{})) return Fail("scrittura non riuscita sul file delle statistiche");
    return {};
}

Expected<void> StatisticsData::ResetWrong()
{
    if (!StoreOpen()) return Fail("il file delle statistiche non è disponibile");
    for (const auto& q : *m_list) {
        cRecordSpec rec = m_store->ReadRecord(q->Codice);
        if (rec.bnUltimoEsito == cRecordSpec::Marked) {
            rec.bnUltimoEsito = cRecordSpec::MarkRemoved;
            if (!m_store->WriteRecord(q->Codice, rec)) return Fail("scrittura non riuscita sul file delle statistiche");
        }
    }
    return {};
}

std::string StatisticsData::RenderCell(int32_t value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%6d", value);
    return buf;
}

std::string StatisticsData::StripTags(std::string_view text)
{
    // Most texts have no markup at all; they need no pass over them.
    if (text.find('<') == std::string_view::npos) return std::string(text);
    std::string t = ReplaceIgnoreCase(text, "<i>", "");
    t = ReplaceIgnoreCase(t, "</i>", "");
    t = ReplaceIgnoreCase(t, "<u>", "");
    t = ReplaceIgnoreCase(t, "</u>", "");
    return ReplaceIgnoreCase(t, "<br>", "    ");
}

std::string StatisticsData::TextCell(std::string_view decoded)
{
    // The line breaks go after the quiz screen's cleaning, which would collapse four blanks into one.
    std::string t = ReplaceIgnoreCase(decoded, "<i>", "");
    t = ReplaceIgnoreCase(t, "</i>", "");
    t = ReplaceIgnoreCase(t, "<u>", "");
    t = ReplaceIgnoreCase(t, "</u>", "");
    return ReplaceIgnoreCase(CleanForDisplay(t), "\r\n", "    ");
}
