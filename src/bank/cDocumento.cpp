#include "bank/cDocumento.h"

#include "bank/cRecordBase.h"
#include "bank/DataFolders.h"
#include "bank/TextConvert.h"
#include "bank/TextFile.h"

#include <array>
#include <fstream>
#include <system_error>

namespace {

// The first four fields of a "QI:" value, the only ones read. Kept off the heap: a
// vector here cost three allocations per question, a third of all a load made.
struct QiFields {
    std::array<std::string_view, 4> items;
    size_t count = 0;
};

QiFields SplitFields(std::string_view value)
{
    QiFields fields;
    size_t start = 0;
    while (fields.count < fields.items.size()) {
        const size_t comma = value.find(',', start);
        fields.items[fields.count++] =
            value.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

void SetNumber(const QiFields& fields, size_t k, int32_t& target)
{
    if (k < fields.count)
        if (const auto v = TextConvert::ToInt32(fields.items[k])) target = *v;
}

}  // namespace

void cDocumento::SetNumRisposte(int32_t value)
{
    m_numRisposte = value;
    m_quesiti->NumRisposte = value;
}

void cDocumento::Clear()
{
    m_argomenti = std::make_shared<cArgomenti>();
    m_quesiti = std::make_shared<cQuesiti>();
    SetNumRisposte(4);
}

void cDocumento::LoadFromText(const std::filesystem::path& path)
{
    if (const auto data = TextFile::ReadAll(path)) LoadFromData(*data);
    else Clear();
}

void cDocumento::LoadFromData(std::string_view data)
{
    Clear();
    int32_t counter = 0;
    cQuesiti::Ptr current;
    for (const std::string_view line : TextFile::SplitLines(data)) {
        if (line.size() < 3 || line[2] != ':') continue;
        const std::string_view tag = line.substr(0, 3);
        const std::string_view value = line.substr(3);
        if (tag == "AM:") {
            m_argomenti->Add(std::string(value));
        } else if (tag == "NR:") {
            if (const auto n = TextConvert::ToInt32(value)) SetNumRisposte(*n);
        } else if (tag == "QI:") {
            const auto fields = SplitFields(value);
            current = m_quesiti->Add(++counter);
            SetNumber(fields, 0, current->IDGazzetta);
            if (fields.count > 1)
                if (const auto id = TextConvert::ToInt32(fields.items[1])) current->SetArgomento(m_argomenti->Find(*id));
            SetNumber(fields, 2, current->Difficolta);
            SetNumber(fields, 3, current->RispostaCorretta);
        } else if (!current) {
            continue;
        } else if (tag == "QD:") {
            current->Descrizione = value;
        } else if (tag == "NO:") {
            current->Note = value;
        } else if (tag == "LE:") {
            current->Brano = value;
        } else if (tag == "HI:") {
            current->Hint = value;
        } else if (tag == "IM:") {
            current->Immagine = value;
        } else if (tag[0] == 'R' && tag[1] >= '1' && tag[1] <= '5') {
            current->SetRisposta(tag[1] - '0', std::string(value));
        }
    }
}

void cDocumento::LoadArgomentiFromText(const std::string& nomeFile)
{
    LoadArgomentiFromPath(DataFolders::BankPath(nomeFile));
}

void cDocumento::LoadArgomentiFromPath(const std::filesystem::path& path)
{
    m_argomenti->Clear();
    // Line by line, not the whole file: the topics come first, and the start screen
    // should not read a large bank through to list them.
    std::ifstream in(path, std::ios::binary);
    bool started = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("AM:")) {
            started = true;
            m_argomenti->Add(line.substr(3));
        } else if (started) {
            break;
        }
    }
}

void cDocumento::GetRangePerArgomento(const std::shared_ptr<cArgomento>& argomento, int32_t& primoID,
                                      int32_t& ultimoID) const
{
    primoID = 0;
    ultimoID = 0;
    for (const auto& q : *m_quesiti) {
        if (q->Argomento() == argomento && argomento) {
            if (primoID == 0) primoID = q->IDGazzetta;
            ultimoID = q->IDGazzetta;
        } else if (primoID > 0) {
            break;
        }
    }
}

bool cDocumento::InitializeRecordBase(const std::filesystem::path& path) const
{
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        // Even a read-only file is replaced.
        std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ec);
        std::filesystem::remove(path, ec);
    }
    {
        cRecordBase store;
        if (!store.CreateNew(path)) return false;
    }
    // All records cleared at once: one write instead of one per question.
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string zeros(static_cast<size_t>(m_quesiti->Count()) * cRecordSpec::RecordSize, '\0');
    out.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
    out.close();
    return static_cast<bool>(out);
}
