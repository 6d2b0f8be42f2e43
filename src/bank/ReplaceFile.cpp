#include "bank/ReplaceFile.h"

#include "bank/ErrorText.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ReplaceFile {

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

// A name of our own beside the target: created exclusively, so neither a file
// nor a link someone else left there is ever written through.
int CreateBeside(const std::filesystem::path& target, std::filesystem::path& temp)
{
    const std::string base = "." + target.filename().string() + "." + std::to_string(::getpid());
    for (int n = 0; n < 100; ++n) {
        temp = target.parent_path() / (base + (n ? "-" + std::to_string(n) : "") + ".tmp");
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

tl::expected<void, Problem> Write(const std::filesystem::path& target, std::string_view bytes)
{
    using Step = Problem::Step;
    std::filesystem::path temp;
    const int fd = CreateBeside(target, temp);
    if (fd < 0) return tl::unexpected(Problem{Step::Create, LastError()});

    struct stat existing {};
    bool ok = ::stat(target.c_str(), &existing) != 0 || ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    std::error_code reason = ok ? std::error_code() : LastError();
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = LastError();
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) return {};
    const Problem problem{ok ? Step::Rename : Step::Write, ok ? LastError() : reason};
    ::unlink(temp.c_str());
    return tl::unexpected(problem);
}

std::string Describe(const std::filesystem::path& target, const Problem& problem)
{
    const std::string name = target.filename().string();
    const std::string why = ErrorText::DescribeSystemError(problem.reason);
    switch (problem.step) {
    case Problem::Step::Create:
        return "impossibile creare il file " + name + ": " + why;
    case Problem::Step::Write:
        return "scrittura non riuscita su " + name + ": " + why;
    case Problem::Step::Rename:
        break;
    }
    return "impossibile sostituire il file " + name + ": " + why;
}

Expected<void> Replace(const std::filesystem::path& target, std::string_view bytes)
{
    const auto written = Write(target, bytes);
    if (!written) return Fail(Describe(target, written.error()));
    return {};
}

}  // namespace ReplaceFile
