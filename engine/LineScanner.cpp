#include "LineScanner.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#endif

#include "NamedFile.h"

namespace tolkar {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kEndOfText = 26;

struct BlockScan
{
    std::uint64_t lineEnds; // CR bytes before the end of the text
    std::size_t textEnd;    // where the first byte 26 stands, or the size
};

std::size_t ScalarScan(const char* data, std::size_t from, std::size_t size, std::uint64_t& ends)
{
    for (std::size_t i = from; i < size; ++i) {
        if (data[i] == kEndOfText) {
            return i;
        }
        ends += data[i] == kCR ? 1 : 0;
    }
    return size;
}

// Counts the line ends of a block and finds its end of text in one pass, 64 bytes
// at a time where the processor allows: this scan is the whole cost of a recall.
BlockScan ScanBlock(const char* data, std::size_t size)
{
    std::uint64_t ends = 0;
    std::size_t i = 0;
#if defined(__SSE2__) && defined(__x86_64__)
    const __m128i cr = _mm_set1_epi8(kCR);
    const __m128i eot = _mm_set1_epi8(kEndOfText);
    // Each byte lane counts its CRs (a match is -1, so subtracting adds one) and
    // is emptied into the total before it can pass 255.
    constexpr int kRoundsPerFlush = 255 / 4;
    __m128i laneCounts = _mm_setzero_si128();
    int rounds = 0;
    const auto flush = [&] {
        const __m128i sums = _mm_sad_epu8(laneCounts, _mm_setzero_si128());
        ends += static_cast<std::uint64_t>(_mm_cvtsi128_si64(sums)) +
                static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
        laneCounts = _mm_setzero_si128();
        rounds = 0;
    };
    for (; i + 64 <= size; i += 64) {
        const auto* at = reinterpret_cast<const __m128i*>(data + i);
        const __m128i a = _mm_loadu_si128(at);
        const __m128i b = _mm_loadu_si128(at + 1);
        const __m128i c = _mm_loadu_si128(at + 2);
        const __m128i d = _mm_loadu_si128(at + 3);
        const __m128i anyEnd =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(a, eot), _mm_cmpeq_epi8(b, eot)),
                         _mm_or_si128(_mm_cmpeq_epi8(c, eot), _mm_cmpeq_epi8(d, eot)));
        if (_mm_movemask_epi8(anyEnd) != 0) {
            break; // the scalar tail finds it and counts up to it
        }
        laneCounts = _mm_sub_epi8(laneCounts, _mm_cmpeq_epi8(a, cr));
        laneCounts = _mm_sub_epi8(laneCounts, _mm_cmpeq_epi8(b, cr));
        laneCounts = _mm_sub_epi8(laneCounts, _mm_cmpeq_epi8(c, cr));
        laneCounts = _mm_sub_epi8(laneCounts, _mm_cmpeq_epi8(d, cr));
        if (++rounds == kRoundsPerFlush) {
            flush();
        }
    }
    flush();
#endif
    const std::size_t textEnd = ScalarScan(data, i, size, ends);
    return {ends, textEnd};
}

} // namespace

LineIndex IndexLines(NamedFile& file, std::size_t blockSize)
{
    LineIndex index;
    std::vector<char> buffer(blockSize);
    // The text ends with the file as it stands now. A device in the file's place
    // (/dev/full, /dev/zero) has no size and would read for ever.
    const std::uint64_t size = file.Size();
    std::uint64_t offset = 0;
    std::uint64_t linesEnded = 0;
    bool textAfterLastEnd = false; // bytes of an unterminated last line
    bool previousWasCR = false;
    for (;;) {
        index.checkpoints.push_back({offset, linesEnded});
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - offset));
        const std::size_t got = want == 0 ? 0 : file.ReadAt(buffer.data(), want, offset);
        if (got == 0) {
            break;
        }
        const char* block = buffer.data();
        const BlockScan scan = ScanBlock(block, got);
        const std::size_t limit = scan.textEnd;
        if (limit > 0) {
            linesEnded += scan.lineEnds;
            // Where the text of the still unterminated line begins in this block.
            const std::reverse_iterator<const char*> fromEnd(block + limit);
            const auto lastCR = std::find(fromEnd, std::reverse_iterator<const char*>(block), kCR);
            std::size_t lineStart = 0;
            bool afterCR = previousWasCR;
            if (lastCR.base() != block) {
                lineStart = static_cast<std::size_t>(lastCR.base() - block);
                afterCR = true;
            }
            if (afterCR && lineStart < limit && block[lineStart] == kLF) {
                ++lineStart; // the LF of a CR LF
            }
            const bool textHere = lineStart < limit;
            textAfterLastEnd = lastCR.base() != block ? textHere : textAfterLastEnd || textHere;
            previousWasCR = block[limit - 1] == kCR;
        }
        offset += limit;
        if (limit < got) {
            break;
        }
    }
    index.textEnd = offset;
    index.lineCount = linesEnded + (textAfterLastEnd ? 1 : 0);
    return index;
}

std::string ReadLine(NamedFile& file, const LineIndex& index, std::uint64_t lineNumber,
                     std::size_t blockSize)
{
    if (lineNumber == 0 || lineNumber > index.lineCount) {
        return {};
    }
    std::vector<char> buffer(blockSize);
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
            const std::size_t got = file.ReadAt(buffer.data(), want, position);
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
        if (position < index.textEnd && file.ReadAt(&next, 1, position) == 1 && next == kLF) {
            ++position;
        }
    }

    std::string text;
    while (position < index.textEnd) {
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::uint64_t>(buffer.size(), index.textEnd - position));
        const std::size_t got = file.ReadAt(buffer.data(), want, position);
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
