#include "LineScanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "InOutError.h"

namespace tolkar {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kEndOfText = 26;

std::size_t ReadOrRaise(int fd, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            RaiseInOutErrorFromErrno();
        }
    }
}

std::size_t ReadAtOrRaise(int fd, char* buffer, std::size_t size, std::uint64_t offset)
{
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, size, static_cast<off_t>(offset));
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            RaiseInOutErrorFromErrno();
        }
    }
}

// Counts CR bytes eight at a time: counting is the whole cost of a recall.
std::uint64_t CountCR(const char* data, std::size_t size)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    std::uint64_t count = 0;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(kCR));
        // High bit set in each byte of x that is zero, that is, each CR.
        const std::uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);
        count += static_cast<std::uint64_t>(__builtin_popcountll(zero));
    }
    for (; i < size; ++i) {
        count += data[i] == kCR ? 1 : 0;
    }
    return count;
}

} // namespace

LineIndex IndexLines(int fd)
{
    LineIndex index;
    std::vector<char> buffer(kBlockSize);
    std::uint64_t offset = 0;
    std::uint64_t linesEnded = 0;
    bool textAfterLastEnd = false; // bytes of an unterminated last line
    bool previousWasCR = false;
    for (;;) {
        index.checkpoints.push_back({offset, linesEnded});
        const std::size_t got = ReadOrRaise(fd, buffer.data(), buffer.size());
        if (got == 0) {
            break;
        }
        const char* block = buffer.data();
        const void* mark = std::memchr(block, kEndOfText, got);
        const std::size_t limit =
            mark ? static_cast<std::size_t>(static_cast<const char*>(mark) - block) : got;
        if (limit > 0) {
            linesEnded += CountCR(block, limit);
            // Where the text of the still unterminated line begins in this block.
            const void* lastCR = ::memrchr(block, kCR, limit);
            std::size_t lineStart = 0;
            bool afterCR = previousWasCR;
            if (lastCR != nullptr) {
                lineStart = static_cast<std::size_t>(static_cast<const char*>(lastCR) - block) + 1;
                afterCR = true;
            }
            if (afterCR && lineStart < limit && block[lineStart] == kLF) {
                ++lineStart; // the LF of a CR LF
            }
            const bool textHere = lineStart < limit;
            textAfterLastEnd = lastCR != nullptr ? textHere : textAfterLastEnd || textHere;
            previousWasCR = block[limit - 1] == kCR;
        }
        offset += limit;
        if (mark != nullptr) {
            break;
        }
    }
    index.textEnd = offset;
    index.lineCount = linesEnded + (textAfterLastEnd ? 1 : 0);
    return index;
}

std::string ReadLine(int fd, const LineIndex& index, std::uint64_t lineNumber)
{
    if (lineNumber == 0 || lineNumber > index.lineCount) {
        return {};
    }
    std::vector<char> buffer(kBlockSize);
    std::uint64_t position = 0;
    if (lineNumber > 1) {
        // Find the CR that ends line lineNumber - 1, starting from the last block
        // that began before it.
        const std::uint64_t endsToPass = lineNumber - 1;
        auto block = std::partition_point(
            index.checkpoints.begin(), index.checkpoints.end(),
            [&](const LineIndex::Checkpoint& c) { return c.linesBefore < endsToPass; });
        --block;
        position = block->offset;
        std::uint64_t ended = block->linesBefore;
        while (ended < endsToPass) {
            const std::size_t want = static_cast<std::size_t>(
                std::min<std::uint64_t>(buffer.size(), index.textEnd - position));
            const std::size_t got = ReadAtOrRaise(fd, buffer.data(), want, position);
            if (got == 0) {
                return {}; // the file shrank since it was counted
            }
            const char* at = buffer.data();
            const char* const end = at + got;
            while (ended < endsToPass) {
                const void* cr = std::memchr(at, kCR, static_cast<std::size_t>(end - at));
                if (cr == nullptr) {
                    at = end;
                    break;
                }
                at = static_cast<const char*>(cr) + 1;
                ++ended;
            }
            position += static_cast<std::uint64_t>(at - buffer.data());
        }
        char next = 0;
        if (position < index.textEnd && ReadAtOrRaise(fd, &next, 1, position) == 1 && next == kLF) {
            ++position;
        }
    }

    std::string text;
    while (position < index.textEnd) {
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::uint64_t>(buffer.size(), index.textEnd - position));
        const std::size_t got = ReadAtOrRaise(fd, buffer.data(), want, position);
        if (got == 0) {
            break;
        }
        const void* cr = std::memchr(buffer.data(), kCR, got);
        const std::size_t take =
            cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - buffer.data()) : got;
        text.append(buffer.data(), take);
        if (cr != nullptr) {
            break;
        }
        position += got;
    }
    return text;
}

} // namespace tolkar
