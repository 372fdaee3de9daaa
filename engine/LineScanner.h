#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tolkar {

class NamedFile;

// Reads the learned-phrase file's lines in large blocks with a fixed buffer.
// A line ends at CR LF or at a lone CR (so every CR ends exactly one line); an
// LF without a CR before it is text; the first byte 26 ends the text; a last
// line without terminator still counts.

struct LineIndex
{
    // Where each block began and how many lines had ended before it, so a line
    // can be reached without reading the file from its start again.
    struct Checkpoint
    {
        std::uint64_t offset;
        std::uint64_t linesBefore;
    };

    std::uint64_t lineCount = 0;
    std::uint64_t textEnd = 0;
    std::vector<Checkpoint> checkpoints;
};

// Large enough to make system calls rare, small enough to stay in the cache.
constexpr std::size_t kReadBlockSize = std::size_t{1} << 17;

// Counts the lines of the file from its start. Throws EInOutError.
LineIndex IndexLines(NamedFile& file, std::size_t blockSize = kReadBlockSize);

// The text of line lineNumber (from 1) without its terminator; empty past the last
// line. Throws EInOutError.
std::string ReadLine(NamedFile& file, const LineIndex& index, std::uint64_t lineNumber,
                     std::size_t blockSize = kReadBlockSize);

} // namespace tolkar
