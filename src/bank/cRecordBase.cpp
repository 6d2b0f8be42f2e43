#include "bank/cRecordBase.h"

#include "bank/ErrorText.h"
#include "bank/TextFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

off_t OffsetOf(int32_t nPosition)
{
    return static_cast<off_t>(nPosition - 1) * cRecordSpec::RecordSize;
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

// Every byte written, or the system's reason.
std::error_code WriteAt(int fd, std::string_view bytes, off_t at)
{
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return {n == 0 ? EIO : errno, std::generic_category()};
        bytes.remove_prefix(static_cast<size_t>(n));
        at += n;
    }
    return {};
}

// As many bytes as the file holds from `at`, up to size.
size_t ReadAt(int fd, char* into, size_t size, off_t at)
{
    size_t have = 0;
    while (have < size) {
        const ssize_t n = ::pread(fd, into + have, size - have, at + static_cast<off_t>(have));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        have += static_cast<size_t>(n);
    }
    return have;
}

std::string Named(const std::filesystem::path& path) { return path.filename().string(); }

std::string Reason(int error) { return ErrorText::DescribeSystemError({error, std::generic_category()}); }

}  // namespace

Expected<void> cRecordBase::CreateNew(const std::filesystem::path& newFileName, int32_t records)
{
    std::error_code ec;
    if (std::filesystem::exists(newFileName, ec) || ec)
        return Fail(Failure::Kind::Exists, "il file " + Named(newFileName) + " esiste già");
    return Open(newFileName, true, std::max(records, 0));
}

Expected<void> cRecordBase::OpenExisting(const std::filesystem::path& existingFileName)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(existingFileName, ec))
        return Fail("il file " + Named(existingFileName) + " non esiste");
    return Open(existingFileName, false, 0);
}

Expected<void> cRecordBase::Open(const std::filesystem::path& path, bool create, int32_t records)
{
    CloseRecordBase();
    const int flags = O_RDWR | O_CLOEXEC | (create ? O_CREAT | O_EXCL : 0);
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        const int error = errno;
        if (create && error == EEXIST) return Fail(Failure::Kind::Exists, "il file " + Named(path) + " esiste già");
        return Fail((create ? "impossibile creare il file " : "impossibile aprire il file ") + Named(path) + ": "
                    + Reason(error));
    }
    if (records > 0) {
        // All the cleared records in one write, not one per question.
        const std::string zeros(static_cast<size_t>(records) * cRecordSpec::RecordSize, '\0');
        if (const auto error = WriteAt(fd, zeros, 0)) {
            ::close(fd);
            ::unlink(path.c_str());
            return Fail("scrittura non riuscita su " + Named(path) + ": " + ErrorText::DescribeSystemError(error));
        }
    }
    m_fd = fd;
    m_fileName = path;
    return {};
}

void cRecordBase::CloseRecordBase()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_fileName.clear();
}

cRecordSpec cRecordBase::ReadRecord(int32_t nPosition)
{
    if (m_fd < 0 || nPosition < 1) return {};
    // A short read past the end leaves the rest zero.
    Bytes b{};
    ReadAt(m_fd, b.data(), b.size(), OffsetOf(nPosition));
    return Decode(b);
}

std::vector<cRecordSpec> cRecordBase::ReadAllRecords()
{
    if (m_fd < 0) return {};
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) return {};
    std::string bytes(static_cast<size_t>(std::max<off_t>(info.st_size, 0)), '\0');
    bytes.resize(ReadAt(m_fd, bytes.data(), bytes.size(), 0));
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

Expected<void> cRecordBase::WriteRecord(int32_t nPosition, const cRecordSpec& oRecord)
{
    if (m_fd < 0) return Fail("il file delle statistiche non è aperto");
    if (nPosition < 1) return Fail("nessun record alla posizione " + std::to_string(nPosition));
    Bytes b{};
    Put(b, 0, oRecord.nVisualizzate);
    Put(b, 4, oRecord.nTralasciate);
    Put(b, 8, oRecord.nEsatte);
    Put(b, 12, oRecord.nSbagliate);
    Put(b, 16, oRecord.bnUltimoEsito);
    // Straight to the file, no buffer of ours: statistics must survive a crash a moment later.
    if (const auto error = WriteAt(m_fd, std::string_view(b.data(), b.size()), OffsetOf(nPosition)))
        return Fail("scrittura non riuscita su " + Named(m_fileName) + ": " + ErrorText::DescribeSystemError(error));
    return {};
}
