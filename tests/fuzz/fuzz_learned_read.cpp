// The learned file's block reader against the plain reference reader: the same
// line count and the same text for each line, with read blocks from one byte, so
// that every way a line or a CR LF can straddle two blocks comes up, to a few
// hundred, so that the scan's 64-byte stretches meet every kind of content.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "FuzzCheck.h"
#include "FuzzWorkDir.h"
#include "LearnedPhraseFile.h"
#include "LineScanner.h"
#include "NamedFile.h"
#include "ReferenceLines.h"
#include "ScriptedRandom.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnterFuzzWorkDir();
    FuzzedDataProvider input(data, size);
    const auto blockSize = input.ConsumeIntegralInRange<std::size_t>(1, 320);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    WriteLearnedFile(bytes);
    const auto expected = ReferenceLines(bytes);

    tolkar::NamedFile file("user.vrk", tolkar::NamedFile::Access::Read);
    const tolkar::LineIndex index = tolkar::IndexLines(file, blockSize);
    Check(index.lineCount == expected.size());
    // Past the last line there is nothing; line 0 is no line.
    Check(tolkar::ReadLine(file, index, expected.size() + 1, blockSize).empty());
    Check(tolkar::ReadLine(file, index, 0, blockSize).empty());
    for (std::size_t i = 1; i <= expected.size(); ++i) {
        Check(tolkar::ReadLine(file, index, i, blockSize) == expected[i - 1]);
    }
    file.Close();

    // And once through the public recall, with its own block size: the last line.
    ScriptedRandom random;
    random.script = {static_cast<std::int64_t>(expected.size())};
    std::string recalled = "unset";
    tolkar::LearnedPhraseFile().Recall(random, recalled);
    Check(random.log.at(0) == "draw " + std::to_string(expected.size() + 1));
    Check(recalled == (expected.empty() ? std::string() : expected.back()));
    return 0;
}
