#include "bank/BankLock.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

BankLock::State BankLock::Take()
{
    if (m_fd >= 0) return State::Taken;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = ::open(m_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return State::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
        }
        // The holder before us may have removed the file between our open and
        // our lock: then the lock is on a file no one else will find.
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && ::stat(m_file.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev) {
            // Who holds it, for a person looking at the folder.
            const std::string pid = std::to_string(::getpid()) + "\n";
            if (::ftruncate(fd, 0) == 0 && ::write(fd, pid.data(), pid.size()) < 0) {
                // The lock is held all the same; its text is only a courtesy.
            }
            m_fd = fd;
            return State::Taken;
        }
        ::close(fd);
    }
    return State::Unavailable;
}

void BankLock::Release()
{
    if (m_fd < 0) return;
    ::unlink(m_file.c_str());
    ::close(m_fd);
    m_fd = -1;
}
