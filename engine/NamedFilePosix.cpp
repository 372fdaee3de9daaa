#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "InOutError.h"
#include "NamedFile.h"

namespace tolkar {
namespace {

constexpr std::intptr_t kClosed = -1;

int Fd(std::intptr_t handle)
{
    return static_cast<int>(handle);
}

} // namespace

NamedFile::NamedFile(const std::string& name, Access access)
{
    const int flags = access == Access::Read ? O_RDONLY : O_RDWR | O_APPEND;
    const int fd = ::open(name.c_str(), flags | O_CLOEXEC);
    if (fd < 0) {
        RaiseInOutErrorFromErrno();
    }
    handle_ = fd;
}

NamedFile::~NamedFile()
{
    if (handle_ != kClosed) {
        ::close(Fd(handle_));
    }
}

std::uint64_t NamedFile::Size()
{
    struct stat status = {};
    if (::fstat(Fd(handle_), &status) != 0) {
        RaiseInOutErrorFromErrno();
    }
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t NamedFile::ReadAt(char* buffer, std::size_t size, std::uint64_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(Fd(handle_), buffer + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            RaiseInOutErrorFromErrno();
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void NamedFile::Append(const char* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(Fd(handle_), data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC; // a write that makes no progress has run out of room
            }
            RaiseInOutErrorFromErrno();
        }
        done += static_cast<std::size_t>(n);
    }
}

void NamedFile::Truncate(std::uint64_t size)
{
    if (!TryTruncate(size)) {
        RaiseInOutErrorFromErrno();
    }
}

bool NamedFile::TryTruncate(std::uint64_t size) noexcept
{
    return ::ftruncate(Fd(handle_), static_cast<off_t>(size)) == 0;
}

void NamedFile::Close()
{
    const int fd = Fd(handle_);
    handle_ = kClosed;
    if (::close(fd) != 0) {
        RaiseInOutErrorFromErrno();
    }
}

void NamedFile::CreateIfMissing(const std::string& name) noexcept
{
    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        // No O_TRUNC: if another process made the file meanwhile, it keeps its lines.
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

} // namespace tolkar
