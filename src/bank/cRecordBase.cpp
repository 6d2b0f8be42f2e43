#include "bank/cRecordBase.h"

#include "bank/TextFile.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <system_error>

namespace {

using Bytes = std::array<char, cRecordSpec::RecordSize>;

void Put(Bytes& b, size_t at, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (size_t k = 0; k < 4; ++k) b[at + k] = static_cast<char>((u >> (8 * k)) & 0xFF);
}

int32_t Get(const Bytes& b, size_t at)
{
    uint32_t u = 0;
    for (size_t k = 0; k < 4; ++k) u |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + k])) << (8 * k);
    return static_cast<int32_t>(u);
}

std::streamoff OffsetOf(int32_t nPosition)
{
    return static_cast<std::streamoff>(nPosition - 1) * cRecordSpec::RecordSize;
}

cRecordSpec RawDecode(const Bytes& b)
{
    cRecordSpec rec;
    rec.nVisualizzate = Get(b, 0);
    rec.nTralasciate = Get(b, 4);
    rec.nEsatte = Get(b, 8);
    rec.nSbagliate = Get(b, 12);
    rec.bnUltimoEsito = Get(b, 16);
    return rec;
}

// A value no program writes (a damaged file) reads as zero.
cRecordSpec Decode(const Bytes& b)
{
    cRecordSpec rec = RawDecode(b);
    if (rec.Valid()) return rec;
    for (int32_t* counter : {&rec.nVisualizzate, &rec.nTralasciate, &rec.nEsatte, &rec.nSbagliate})
        *counter = std::max(*counter, 0);
    if (rec.bnUltimoEsito < 0 || rec.bnUltimoEsito > 2) rec.bnUltimoEsito = 0;
    return rec;
}

// A short last record is completed with zeros.
std::vector<cRecordSpec> DecodeAll(std::string_view bytes)
{
    std::vector<cRecordSpec> records;
    records.reserve((bytes.size() + cRecordSpec::RecordSize - 1) / cRecordSpec::RecordSize);
    for (size_t at = 0; at < bytes.size(); at += cRecordSpec::RecordSize) {
        Bytes b{};
        bytes.copy(b.data(), b.size(), at);
        records.push_back(Decode(b));
    }
    return records;
}

}  // namespace

bool cRecordBase::CreateNew(const std::filesystem::path& newFileName)
{
    std::error_code ec;
    if (std::filesystem::exists(newFileName, ec) || ec) return false;
    return Open(newFileName);
}

bool cRecordBase::OpenExisting(const std::filesystem::path& existingFileName)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(existingFileName, ec)) return false;
    return Open(existingFileName);
}

bool cRecordBase::Open(const std::filesystem::path& path)
{
    CloseRecordBase();
    {
        // fstream in|out does not create; make the file first when missing.
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            std::ofstream create(path, std::ios::binary | std::ios::app);
            if (!create) return false;
        }
    }
    m_file.open(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!m_file.is_open()) return false;
    m_fileName = path;
    return true;
}

void cRecordBase::CloseRecordBase()
{
    if (m_file.is_open()) m_file.close();
    m_file.clear();
    m_fileName.clear();
}

cRecordSpec cRecordBase::ReadRecord(int32_t nPosition)
{
    if (!m_file.is_open() || nPosition < 1) return {};
    Bytes b{};
    m_file.clear();
    m_file.seekg(OffsetOf(nPosition));
    if (m_file) m_file.read(b.data(), b.size());
    // A short read past the end leaves the rest zero.
    m_file.clear();
    return Decode(b);
}

std::vector<cRecordSpec> cRecordBase::ReadAllRecords()
{
    if (!m_file.is_open()) return {};
    m_file.clear();
    m_file.seekg(0, std::ios::end);
    const std::streamoff size = m_file.tellg();
    m_file.seekg(0);
    std::string bytes(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (m_file) m_file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(m_file.gcount(), 0)));
    m_file.clear();
    return DecodeAll(bytes);
}

bool cRecordBase::HoldsInvalidRecords(const std::filesystem::path& path)
{
    const auto bytes = TextFile::ReadAll(path);
    if (!bytes) return false;
    for (size_t at = 0; at < bytes->size(); at += cRecordSpec::RecordSize) {
        Bytes b{};
        bytes->copy(b.data(), b.size(), at);
        if (!RawDecode(b).Valid()) return true;
    }
    return false;
}

std::vector<cRecordSpec> cRecordBase::ReadAllRecords(const std::filesystem::path& path)
{
    const auto bytes = TextFile::ReadAll(path);
    return bytes ? DecodeAll(*bytes) : std::vector<cRecordSpec>{};
}

bool cRecordBase::WriteRecord(int32_t nPosition, const cRecordSpec& oRecord)
{
    if (!m_file.is_open() || nPosition < 1) return false;
    Bytes b{};
    Put(b, 0, oRecord.nVisualizzate);
    Put(b, 4, oRecord.nTralasciate);
    Put(b, 8, oRecord.nEsatte);
    Put(b, 12, oRecord.nSbagliate);
    Put(b, 16, oRecord.bnUltimoEsito);
    m_file.clear();
    m_file.seekp(OffsetOf(nPosition));
    m_file.write(b.data(), b.size());
    // Straight to disk: statistics must survive a crash a moment later.
    m_file.flush();
    const bool ok = static_cast<bool>(m_file);
    m_file.clear();
    return ok;
}
