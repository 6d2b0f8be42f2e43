#pragma once

#include <filesystem>

// One program per bank and user: an exclusive lock on BankFiles' `lock`
// file, held while the object lives. The operating system releases it when
// its process ends in any way, so a lock left by a killed program is taken
// over at once; the bank tool's commands that write statistics take the
// same lock.
class BankLock {
public:
    enum class State {
        Taken,          // this process holds it
        HeldElsewhere,  // a running program holds it
        Unavailable,    // the file cannot be made (a read-only folder): nothing to hold
    };

    explicit BankLock(std::filesystem::path file) : m_file(std::move(file)) {}
    ~BankLock() { Release(); }
    BankLock(const BankLock&) = delete;
    BankLock& operator=(const BankLock&) = delete;

    State Take();
    void Release();

private:
    std::filesystem::path m_file;
    int m_fd = -1;
};
