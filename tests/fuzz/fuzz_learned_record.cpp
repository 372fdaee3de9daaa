// Recording on any existing content: a byte 26 in the last 128 bytes cuts the
// file there, then exactly the phrase and CR LF are appended; nothing else changes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "FuzzCheck.h"
#include "FuzzWorkDir.h"
#include "LearnedPhraseFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnterFuzzWorkDir();
    FuzzedDataProvider input(data, size);
    const std::string phrase = input.ConsumeRandomLengthString(256);
    const std::string before = input.ConsumeRemainingBytesAsString();
    WriteLearnedFile(before);

    tolkar::LearnedPhraseFile().Record(phrase);

    const std::size_t tailStart = before.size() > 128 ? before.size() - 128 : 0;
    const std::size_t cut = before.find('\x1a', tailStart);
    const std::string kept = cut == std::string::npos ? before : before.substr(0, cut);
    Check(ReadLearnedFile() == kept + phrase + "\r\n");
    return 0;
}
