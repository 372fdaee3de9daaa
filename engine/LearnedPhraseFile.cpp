#include "LearnedPhraseFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "InOutError.h"
#include "LineScanner.h"

namespace tolkar {
namespace {

constexpr char kEndOfText = 26;
constexpr off_t kCutWindow = 128;

// Owns a descriptor; Close() reports the close's own failure, the destructor
// only cleans up after an error that is already on its way.
class FileHandle
{
  public:
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int Get() const { return fd_; }

    void Close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            RaiseInOutErrorFromErrno();
        }
    }

  private:
    int fd_;
};

FileHandle OpenOrRaise(const std::string& name, int flags)
{
    const int fd = ::open(name.c_str(), flags | O_CLOEXEC);
    if (fd < 0) {
        RaiseInOutErrorFromErrno();
    }
    return FileHandle(fd);
}

// Reads up to size bytes at offset; fewer only at the end of the file.
std::size_t ReadAtOrRaise(int fd, char* buffer, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            RaiseInOutErrorFromErrno();
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

// A byte 26 near the end marks where an old editor's end of text was: writing
// continues from there, so the new line is not hidden behind it.
off_t CutAtEndOfText(int fd, off_t size)
{
    const off_t tailStart = std::max<off_t>(0, size - kCutWindow);
    char tail[kCutWindow];
    const std::size_t got =
        ReadAtOrRaise(fd, tail, static_cast<std::size_t>(size - tailStart), tailStart);
    const void* mark = std::memchr(tail, kEndOfText, got);
    if (mark == nullptr) {
        return size;
    }
    const off_t cut = tailStart + (static_cast<const char*>(mark) - tail);
    if (::ftruncate(fd, cut) != 0) {
        RaiseInOutErrorFromErrno();
    }
    return cut;
}

// Writes the whole line or, failing that, cuts the file back to where it was,
// so no partial line is ever left behind.
void AppendWholeOrRaise(int fd, const std::string& line, off_t sizeBefore)
{
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            if (::ftruncate(fd, sizeBefore) != 0) {
                // Nothing more can be done; the write's own error is what the user must see.
            }
            errno = error;
            RaiseInOutErrorFromErrno();
        }
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

LearnedPhraseFile::LearnedPhraseFile(std::string fileName) : fileName_(std::move(fileName)) {}

void LearnedPhraseFile::FileCheck() const noexcept
{
    int fd = ::open(fileName_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        // No O_TRUNC: if another process made the file meanwhile, it keeps its lines.
        fd = ::open(fileName_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

void LearnedPhraseFile::Record(std::string_view phrase) const
{
    FileHandle file = OpenOrRaise(fileName_, O_RDWR | O_APPEND);
    const off_t size = ::lseek(file.Get(), 0, SEEK_END);
    if (size < 0) {
        RaiseInOutErrorFromErrno();
    }
    const off_t start = CutAtEndOfText(file.Get(), size);
    std::string line;
    line.reserve(phrase.size() + 2);
    line.append(phrase).append("\r\n");
    AppendWholeOrRaise(file.Get(), line, start);
    file.Close();
}

void LearnedPhraseFile::Recall(RandomSource& random, std::string& recalledPhrase) const
{
    LineIndex index;
    {
        FileHandle file = OpenOrRaise(fileName_, O_RDONLY);
        index = IndexLines(file.Get());
        file.Close();
    }
    FileHandle file = OpenOrRaise(fileName_, O_RDONLY);
    const std::int64_t lineNumber = PickIndex(random, static_cast<std::int64_t>(index.lineCount));
    std::string text = ReadLine(file.Get(), index, static_cast<std::uint64_t>(lineNumber));
    file.Close();
    recalledPhrase = std::move(text);
}

} // namespace tolkar
