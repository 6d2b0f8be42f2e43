#include "bank/cDocumento.h"

#include "bank/cRecordBase.h"
#include "bank/DataFileFormat.h"
#include "bank/DataFolders.h"
#include "bank/ErrorText.h"
#include "bank/TextConvert.h"
#include "bank/TextFile.h"

#include <fstream>
#include <system_error>

void cDocumento::SetNumRisposte(int32_t value)
{
    m_numRisposte = value;
    m_quesiti->NumRisposte = value;
}

void cDocumento::Clear()
{
    m_argomenti = std::make_shared<cArgomenti>();
    m_quesiti = std::make_shared<cQuesiti>();
    SetNumRisposte(DataFileFormat::DefaultNumRisposte);
}

void cDocumento::LoadFromText(const std::filesystem::path& path)
{
    if (const auto data = TextFile::ReadAll(path)) LoadFromData(*data);
    else Clear();
}

void cDocumento::LoadFromData(std::string_view data)
{
    using namespace DataFileFormat;
    Clear();
    int32_t counter = 0;
    cQuesiti::Ptr current;
    for (const std::string_view line : TextFile::SplitLines(data)) {
        const auto tag = TagOfLine(line);
        if (!tag) continue;
        const std::string_view value = ValueOf(line);
        if (*tag == Tag::AM) {
            m_argomenti->Add(std::string(value));
        } else if (*tag == Tag::NR) {
            if (const auto n = TextConvert::ToInt32(value)) SetNumRisposte(*n);
        } else if (*tag == Tag::QI) {
            // Each field on its own: one that does not read leaves its item unset.
            const auto qi = ReadQiLeniently(value);
            current = m_quesiti->Add(++counter);
            if (qi[0]) current->IDGazzetta = *qi[0];
            if (qi[1]) current->SetArgomento(m_argomenti->Find(*qi[1]));
            if (qi[2]) current->Difficolta = *qi[2];
            if (qi[3]) current->RispostaCorretta = *qi[3];
        } else if (!current) {
            continue;
        } else if (IsAnswer(*tag)) {
            current->SetRisposta(AnswerNumber(*tag), std::string(value));
        } else {
            switch (*tag) {
            case Tag::QD: current->Descrizione = value; break;
            case Tag::NO: current->Note = value; break;
            case Tag::LE: current->Brano = value; break;
            case Tag::HI: current->Hint = value; break;
            case Tag::IM: current->Immagine = value; break;
            default: break;
            }
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
        if (DataFileFormat::TagOfLine(line) == DataFileFormat::Tag::AM) {
            started = true;
            m_argomenti->Add(std::string(DataFileFormat::ValueOf(line)));
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

Expected<void> cDocumento::InitializeRecordBase(const std::filesystem::path& path) const
{
    // Even a read-only file is replaced; a missing one is no error.
    std::error_code ec;
    // Where no file can be, CreateNew tells why.
    if (!std::filesystem::remove(path, ec) && ec && ec != std::errc::not_a_directory)
        return Fail("impossibile sostituire il file " + path.filename().string() + ": "
                    + ErrorText::DescribeSystemError(ec));
    cRecordBase store;
    return store.CreateNew(path, m_quesiti->Count());
}
