#include "LearnedPhraseFile.h"

#include <algorithm>
#include <cstring>

#include "InOutError.h"
#include "LineScanner.h"
#include "NamedFile.h"

namespace tolkar {
namespace {

constexpr char kEndOfText = 26;
constexpr std::uint64_t kCutWindow = 128;

// A byte 26 near the end marks where an old editor's end of text was: writing
// continues from there, so the new line is not hidden behind it.
std::uint64_t CutAtEndOfText(NamedFile& file)
{
    const std::uint64_t size = file.Size();
    const std::uint64_t tailStart = size > kCutWindow ? size - kCutWindow : 0;
    char tail[kCutWindow];
    const std::size_t got =
        file.ReadAt(tail, static_cast<std::size_t>(size - tailStart), tailStart);
    const void* mark = std::memchr(tail, kEndOfText, got);
    if (mark == nullptr) {
        return size;
    }
    const std::uint64_t cut =
        tailStart + static_cast<std::uint64_t>(static_cast<const char*>(mark) - tail);
    file.Truncate(cut);
    return cut;
}

} // namespace

LearnedPhraseFile::LearnedPhraseFile(std::string fileName) : fileName_(std::move(fileName)) {}

void LearnedPhraseFile::FileCheck() const noexcept
{
    NamedFile::CreateIfMissing(fileName_);
}

void LearnedPhraseFile::Record(std::string_view phrase) const
{
    NamedFile file(fileName_, NamedFile::Access::ReadWriteExisting);
    const std::uint64_t start = CutAtEndOfText(file);
    std::string line;
    line.reserve(phrase.size() + 2);
    line.append(phrase).append("\r\n");
    try {
        file.Append(line.data(), line.size());
    } catch (const EInOutError&) {
        // Never leave a partial line: the next one would be joined to it.
        file.TryTruncate(start);
        throw;
    }
    file.Close();
}

void LearnedPhraseFile::Recall(RandomSource& random, std::string& recalledPhrase) const
{
    LineIndex index;
    {
        NamedFile file(fileName_, NamedFile::Access::Read);
        index = IndexLines(file);
        file.Close();
    }
    NamedFile file(fileName_, NamedFile::Access::Read);
    const std::int64_t lineNumber = PickIndex(random, static_cast<std::int64_t>(index.lineCount));
    std::string text = ReadLine(file, index, static_cast<std::uint64_t>(lineNumber));
    file.Close();
    recalledPhrase = std::move(text);
}

} // namespace tolkar
