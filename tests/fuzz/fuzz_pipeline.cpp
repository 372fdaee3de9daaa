// The whole answer pipeline on any phrases and any draws. After each phrase:
// the topic is 0..8, the lines added are one of the endings a phrase can have,
// and a phrase the abuse filter answered was not recorded.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

#include "Dialogue.h"
#include "FakeView.h"
#include "FixedReplies.h"
#include "FuzzCheck.h"
#include "FuzzWorkDir.h"
#include "ReferenceLines.h"

namespace {

class FuzzedRandom : public tolkar::RandomSource
{
  public:
    explicit FuzzedRandom(FuzzedDataProvider& input) : input_(input) {}
    void Randomize() override {}
    std::int64_t Random(std::int64_t range) override
    {
        return input_.ConsumeIntegralInRange<std::int64_t>(0, range - 1);
    }

  private:
    FuzzedDataProvider& input_;
};

bool In(const tolkar::PhraseTable& table, const std::string& line)
{
    const auto& entries = table.Entries();
    return std::find(entries.begin(), entries.end(), line) != entries.end();
}

bool IsTopicReply(const tolkar::PhraseTables& t, const std::string& line)
{
    return In(t.SelfReplies, line) || In(t.BookReplies, line) || In(t.GameReplies, line) ||
           In(t.WomenReplies, line) || In(t.ComputerReplies, line) || In(t.FilmReplies, line) ||
           In(t.MusicReplies, line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnterFuzzWorkDir();
    FuzzedDataProvider input(data, size);
    WriteLearnedFile(input.ConsumeRandomLengthString(64));
    FakeView view;
    FuzzedRandom random(input);
    tolkar::Dialogue dialogue(view, random);
    const tolkar::PhraseTables& t = dialogue.Tables();
    const std::string echoPrefix = W("ТЫ: ");
    const std::vector<std::string> singleLineReplies = {YesAnswer(), NoAnswer(), VorkastAnswer(),
                                                        StarcraftAnswer(), FarewellAnswer()};

    while (input.remaining_bytes() > 0) {
        if (input.ConsumeIntegralInRange(0, 7) == 0) {
            dialogue.StartDialogue();
            Check(view.lines.size() == 2 && In(t.Greetings, view.lines[0]) &&
                  view.lines[1].empty());
            continue;
        }
        view.input = input.ConsumeRandomLengthString(128);
        const std::size_t before = view.lines.size();
        const std::string fileBefore = ReadLearnedFile();
        const std::size_t warnings = view.warnings.size();
        dialogue.AnswerPhrase();
        Check(dialogue.CurrentTema() >= tolkar::temaNone &&
              dialogue.CurrentTema() <= tolkar::temaMusic);

        const std::vector<std::string> added(
            view.lines.begin() + static_cast<std::ptrdiff_t>(before), view.lines.end());
        if (view.warnings.size() > warnings) {
            Check(added.empty());
            continue;
        }
        Check(added.size() >= 2 && added[0] == echoPrefix + dialogue.Phrase() && added[1].empty());
        const std::vector<std::string> reply(added.begin() + 2, added.end());
        const std::string fileAfter = ReadLearnedFile();
        if (reply.size() == 2 && In(t.AbuseReplies, reply[0]) && reply[1].empty()) {
            Check(fileAfter == fileBefore);
            continue;
        }
        if (reply.empty()) {
            continue; // no dialogue was running
        }
        if (reply.size() == 1) {
            Check(std::find(singleLineReplies.begin(), singleLineReplies.end(), reply[0]) !=
                  singleLineReplies.end());
            continue;
        }
        Check(reply.size() == 2 && reply[1].empty());
        const auto learned = ReferenceLines(fileAfter);
        const bool recalled = std::find(learned.begin(), learned.end(), reply[0]) != learned.end();
        Check(recalled || In(t.Introductions, reply[0]) || IsTopicReply(t, reply[0]));
    }
    return 0;
}
