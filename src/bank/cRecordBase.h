#pragma once

#include "bank/cRecordSpec.h"
#include "bank/Failure.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// Random access to the statistics file: record n (from 1) at byte (n - 1) * 20,
// five little-endian 32-bit integers. Every read and write goes to the file,
// and only this class writes its bytes. Failures name the file and say why.
class cRecordBase {
public:
    cRecordBase() = default;
    ~cRecordBase() { CloseRecordBase(); }
    cRecordBase(const cRecordBase&) = delete;
    cRecordBase& operator=(const cRecordBase&) = delete;

    // A new file of `records` cleared records, open. Exists, and nothing done,
    // when a file of that name is there already.
    [[nodiscard]] Expected<void> CreateNew(const std::filesystem::path& newFileName, int32_t records = 0);
    // Fails when the file does not exist or cannot be opened for reading and writing.
    [[nodiscard]] Expected<void> OpenExisting(const std::filesystem::path& existingFileName);
    void CloseRecordBase();

    const std::filesystem::path& FileName() const { return m_fileName; }
    bool Initialized() const { return m_fd >= 0; }

    // Zeros past the end of the file, below record 1, or on a closed store;
    // a value no program writes reads as zero.
    cRecordSpec ReadRecord(int32_t nPosition);
    // Writing past the end extends the file. Records below 1 and closed stores
    // are never written: that fails too.
    [[nodiscard]] Expected<void> WriteRecord(int32_t nPosition, const cRecordSpec& oRecord);
    [[nodiscard]] Expected<void> ClearRecord(int32_t nPosition) { return WriteRecord(nPosition, cRecordSpec{}); }
    // Every record of the file in one read, a short last one completed with zeros;
    // empty on a closed store.
    std::vector<cRecordSpec> ReadAllRecords();
    // The same from a file never opened for writing; empty when it cannot be read.
    static std::vector<cRecordSpec> ReadAllRecords(const std::filesystem::path& path);
    // Whether a record holds a value no program writes (a negative counter, a
    // last outcome outside 0-2); every read gives such a value as zero.
    static bool HoldsInvalidRecords(const std::filesystem::path& path);

private:
    Expected<void> Open(const std::filesystem::path& path, bool create, int32_t records);

    int m_fd = -1;
    std::filesystem::path m_fileName;
};
