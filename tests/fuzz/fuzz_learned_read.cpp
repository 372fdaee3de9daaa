// The learned file's block reader against the plain reference reader: the same
// line count, and the same text for the lines drawn.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzWorkDir.h"
#include "LearnedPhraseFile.h"
#include "ReferenceLines.h"
#include "ScriptedRandom.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnterFuzzWorkDir();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WriteLearnedFile(bytes);
    const auto expected = ReferenceLines(bytes);
    const tolkar::LearnedPhraseFile file;

    ScriptedRandom random;
    std::string text = "unset";
    random.script = {0};
    file.Recall(random, text);
    if (random.log.at(0) != "draw " + std::to_string(expected.size() + 1)) {
        std::abort(); // line count differs
    }
    if (text != (expected.empty() ? std::string() : expected.front())) {
        std::abort();
    }
    for (std::size_t i = 1; i <= expected.size(); ++i) {
        random.script = {static_cast<std::int64_t>(i)};
        file.Recall(random, text);
        if (text != expected[i - 1]) {
            std::abort();
        }
    }
    return 0;
}
