#include "Dialogue.h"

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Cp1251Text.h"
#include "FakeView.h"
#include "FixedReplies.h"
#include "InOutError.h"
#include "ScriptedRandom.h"
#include "TempDir.h"

using namespace tolkar;
using Lines = std::vector<std::string>;
using Draws = std::deque<std::int64_t>;

namespace {

const char* const kLearned = "user.vrk";

class DialogueTest : public InTempDir
{
  protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        dialogue = std::make_unique<Dialogue>(view, random);
    }

    void Start(std::int64_t greetingDraw = 0)
    {
        random.script = {greetingDraw};
        dialogue->StartDialogue();
        view.calls.clear();
        random.log.clear();
    }

    // Answers a phrase and returns the lines it appended after the echo and its empty line.
    Lines Say(const std::string& utf8, Draws draws = {})
    {
        view.input = W(utf8);
        random.script = std::move(draws);
        view.calls.clear();
        random.log.clear();
        const std::size_t before = view.lines.size();
        dialogue->AnswerPhrase();
        EXPECT_TRUE(random.script.empty()) << "not every scripted draw was used";
        Lines added(view.lines.begin() + static_cast<std::ptrdiff_t>(before), view.lines.end());
        if (added.size() >= 2 && added[0] == W("ТЫ: ") + W(utf8) && added[1].empty()) {
            added.erase(added.begin(), added.begin() + 2);
        } else {
            ADD_FAILURE() << "no echo line and empty line for " << utf8;
        }
        return added;
    }

    // Start, then an introduction, leaving the topic at temaSelf.
    void StartTalking()
    {
        Start();
        Say("Привет", {0});
        ASSERT_EQ(dialogue->CurrentTema(), temaSelf);
    }

    bool Focused() const
    {
        return std::find(view.calls.begin(), view.calls.end(), "focus") != view.calls.end();
    }

    const PhraseTables& T() const { return dialogue->Tables(); }

    FakeView view;
    ScriptedRandom random;
    std::unique_ptr<Dialogue> dialogue;
};

} // namespace

TEST_F(DialogueTest, StartRunsItsStepsInOrder)
{
    random.script = {3};
    dialogue->StartDialogue();
    EXPECT_EQ(view.calls, (Lines{"clear", "enableView", "append", "append", "enableInput",
                                 "enableSay", "enableSave", "startTimer", "clearInput", "focus"}));
    EXPECT_EQ(random.log, (Lines{"seed", "draw 11"}));
    EXPECT_EQ(view.lines, (Lines{T().Greetings[3], ""}));
    EXPECT_EQ(dialogue->CurrentTema(), temaGreeted);
    EXPECT_TRUE(dialogue->DialogStarted());
    EXPECT_TRUE(std::filesystem::exists(kLearned));
    EXPECT_EQ(std::filesystem::file_size(kLearned), 0u);
}

TEST_F(DialogueTest, SecondStartClearsTheViewButKeepsTheLearnedLines)
{
    StartTalking();
    Say("как дела", {0, 0});
    const std::string learned = ReadBytes(kLearned);
    ASSERT_FALSE(learned.empty());
    Start(1);
    EXPECT_EQ(view.lines, (Lines{T().Greetings[1], ""}));
    EXPECT_EQ(dialogue->CurrentTema(), temaGreeted);
    EXPECT_EQ(ReadBytes(kLearned), learned);
    EXPECT_EQ(Say("Кто ты", {1}), (Lines{T().Introductions[1], ""})); // introduction again
}

TEST_F(DialogueTest, GuardWarnsAndChangesNothing)
{
    struct Case
    {
        bool started;
        const char* input;
    };
    for (const Case c : {Case{false, "Привет"}, Case{false, ""}, Case{true, ""}}) {
        SCOPED_TRACE(c.input);
        FakeView fresh;
        ScriptedRandom freshRandom;
        Dialogue d(fresh, freshRandom);
        if (c.started) {
            freshRandom.script = {0};
            d.StartDialogue();
        }
        const Lines linesBefore = fresh.lines;
        const Tema temaBefore = d.CurrentTema();
        fresh.calls.clear();
        freshRandom.log.clear();
        fresh.input = W(c.input);
        d.AnswerPhrase();
        EXPECT_EQ(fresh.calls, Lines{"warning"});
        EXPECT_EQ(fresh.warnings.back(),
                  W("Может все таки что-нибудь скажете,") + "\r" + W("или начнете новый диалог?"));
        EXPECT_EQ(fresh.lines, linesBefore);
        EXPECT_EQ(fresh.input, W(c.input));
        EXPECT_EQ(d.CurrentTema(), temaBefore);
        EXPECT_TRUE(freshRandom.log.empty());
    }
}

// One row per way an answer can end, after an introduction made the topic temaSelf.
struct Ending
{
    const char* name;
    const char* phrase;
    Draws draws;
    Lines drawLog;                       // "seed" and "draw N" in order
    Lines (*reply)(const PhraseTables&); // the lines after the echo
    Tema temaAfter;
    bool focus;
    bool recorded;
};

void PrintTo(const Ending& e, std::ostream* os)
{
    *os << e.name;
}

class DialogueEndingTest : public DialogueTest, public ::testing::WithParamInterface<Ending>
{
};

TEST_P(DialogueEndingTest, AppendsDrawsAndRecordsAsItsEndingSays)
{
    const Ending& e = GetParam();
    StartTalking();
    const Lines reply = Say(e.phrase, e.draws);
    EXPECT_EQ(reply, e.reply(T()));
    EXPECT_EQ(random.log, e.drawLog);
    EXPECT_EQ(dialogue->CurrentTema(), e.temaAfter);
    EXPECT_EQ(Focused(), e.focus);
    EXPECT_EQ(dialogue->Phrase(), W(e.phrase));
    EXPECT_EQ(ReadBytes(kLearned), e.recorded ? W(e.phrase) + "\r\n" : "");
    EXPECT_EQ(view.inputEnabled, e.temaAfter != temaNone);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, DialogueEndingTest,
    ::testing::Values(Ending{"TopicReply",
                             "как дела",
                             {0, 2},
                             {"seed", "draw 3", "draw 31"},
                             [](const PhraseTables& t) {
                                 return Lines{t.SelfReplies[2], ""};
                             },
                             temaSelf,
                             true,
                             true},
                      Ending{"TopicReplyEntryOneFromZero",
                             "Привет",
                             {2, 0},
                             {"seed", "draw 3", "draw 31"},
                             [](const PhraseTables& t) {
                                 return Lines{t.SelfReplies[1], ""};
                             },
                             temaSelf,
                             true,
                             false},
                      Ending{"NewTopic",
                             "люблю музыку",
                             {0, 10},
                             {"seed", "draw 3", "draw 11"},
                             [](const PhraseTables& t) {
                                 return Lines{t.MusicReplies[10], ""};
                             },
                             temaMusic,
                             true,
                             true},
                      Ending{"SpacesOnly",
                             "   ",
                             {0, 5},
                             {"seed", "draw 3", "draw 31"},
                             [](const PhraseTables& t) {
                                 return Lines{t.SelfReplies[5], ""};
                             },
                             temaSelf,
                             true,
                             true},
                      Ending{"Abuse",
                             "иди на кухню, пока. Да.",
                             {4},
                             {"seed", "draw 11"},
                             [](const PhraseTables& t) {
                                 return Lines{t.AbuseReplies[4], ""};
                             },
                             temaSelf,
                             false,
                             false},
                      Ending{"Yes",
                             "Да.",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{YesAnswer()}; },
                             temaSelf,
                             false,
                             false},
                      Ending{"YesWinsOverTopicAndFarewell",
                             "Да. про кино, пока",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{YesAnswer()}; },
                             temaSelf,
                             false,
                             true},
                      Ending{"No",
                             "Нет.",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{NoAnswer()}; },
                             temaSelf,
                             false,
                             false},
                      Ending{"Vorkast",
                             "я играю в Vorkast",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{VorkastAnswer()}; },
                             temaSelf,
                             false,
                             true},
                      Ending{"Starcraft",
                             "starcraft",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{StarcraftAnswer()}; },
                             temaSelf,
                             false,
                             false},
                      Ending{"LowerCaseYesIsNoTrigger",
                             "да.",
                             {0, 0},
                             {"seed", "draw 3", "draw 31"},
                             [](const PhraseTables& t) {
                                 return Lines{t.SelfReplies[1], ""};
                             },
                             temaSelf,
                             true,
                             false},
                      Ending{"FarewellInsideAWord",
                             "покажи",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{FarewellAnswer()}; },
                             temaNone,
                             false,
                             false},
                      Ending{"FarewellJoke",
                             "Я пошутил",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{FarewellAnswer()}; },
                             temaNone,
                             false,
                             true},
                      Ending{"FarewellMustGo",
                             "мне надо идти",
                             {},
                             {"seed"},
                             [](const PhraseTables&) { return Lines{FarewellAnswer()}; },
                             temaNone,
                             false,
                             true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogueTest, FirstPhraseAfterGreetingGetsAnIntroductionWhateverItSays)
{
    Start();
    EXPECT_EQ(Say("расскажи про музыку и кино", {4}), (Lines{T().Introductions[4], ""}));
    EXPECT_EQ(random.log, (Lines{"seed", "draw 6"}));
    EXPECT_EQ(dialogue->CurrentTema(), temaSelf);
    EXPECT_FALSE(Focused());
    EXPECT_EQ(ReadBytes(kLearned), ""); // never recorded
}

TEST_F(DialogueTest, AbuseRightAfterGreetingKeepsTheGreetingUnanswered)
{
    Start();
    EXPECT_EQ(Say("дурак", {0}), (Lines{T().AbuseReplies[1], ""}));
    EXPECT_EQ(dialogue->CurrentTema(), temaGreeted);
    EXPECT_EQ(Say("Меня зовут Вася", {2}), (Lines{T().Introductions[2], ""}));
}

TEST_F(DialogueTest, FarewellRightAfterGreetingIsNotRecorded)
{
    Start();
    EXPECT_EQ(Say("ну пока", {}), Lines{FarewellAnswer()});
    EXPECT_EQ(dialogue->CurrentTema(), temaNone);
    EXPECT_EQ(ReadBytes(kLearned), "");
}

TEST_F(DialogueTest, RecallGivesBackALearnedLineAndKeepsTheTopic)
{
    StartTalking();
    WriteBytes(kLearned, W("старая фраза") + "\r\n");
    // Recorded first, so the phrase itself is line 2 and can come back at once.
    EXPECT_EQ(Say("про музыку поговорим", {1, 2}), (Lines{W("про музыку поговорим"), ""}));
    EXPECT_EQ(random.log, (Lines{"seed", "draw 3", "draw 3"}));
    EXPECT_EQ(dialogue->CurrentTema(), temaSelf);
    EXPECT_EQ(dialogue->RecalledPhrase(), W("про музыку поговорим"));
    EXPECT_FALSE(Focused());

    EXPECT_EQ(Say("еще", {1, 0}), (Lines{W("старая фраза"), ""})); // 0 counts as line 1
}

TEST_F(DialogueTest, EmptyRecallFallsThroughToTheTopic)
{
    StartTalking();
    struct Case
    {
        const char* file;
        Draws draws;
    };
    // An empty file, and a file whose drawn line is empty.
    for (const Case& c : {Case{"", {1, 0, 3}}, Case{"\r\nx\r\n", {1, 1, 3}}}) {
        WriteBytes(kLearned, c.file);
        EXPECT_EQ(Say("кино", c.draws), (Lines{T().FilmReplies[3], ""}));
        EXPECT_EQ(dialogue->CurrentTema(), temaFilms);
        EXPECT_TRUE(Focused());
        EXPECT_EQ(dialogue->RecalledPhrase(), "");
    }
}

TEST_F(DialogueTest, AfterFarewellOnlyANewStartReopensTheInput)
{
    StartTalking();
    Say("Пока", {});
    EXPECT_FALSE(view.inputEnabled);
    EXPECT_TRUE(dialogue->DialogStarted());
    // The window keeps Say enabled; with an empty input it only warns.
    view.input.clear();
    dialogue->AnswerPhrase();
    EXPECT_EQ(view.warnings.size(), 1u);
    // Reached only through the engine's own API: the phrase is echoed, nothing drawn.
    EXPECT_TRUE(Say("эй", {}).empty());
    EXPECT_TRUE(random.log.empty());
    EXPECT_TRUE(Focused());
    Start();
    EXPECT_TRUE(view.inputEnabled);
}

TEST_F(DialogueTest, FailedRecordingKeepsTheEchoAndGivesNoReply)
{
    StartTalking();
    std::filesystem::remove(kLearned);
    view.input = W("как дела");
    random.script = {};
    const std::size_t before = view.lines.size();
    try {
        dialogue->AnswerPhrase();
        FAIL() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), 2);
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_EQ(view.lines.size(), before + 2);
    EXPECT_EQ(view.input, "");
    EXPECT_EQ(dialogue->Phrase(), W("как дела"));
    EXPECT_EQ(dialogue->CurrentTema(), temaSelf);

    // A phrase without a space is not recorded and is answered, unless the recall is tried.
    EXPECT_EQ(Say("кино", {0, 1}), (Lines{T().FilmReplies[1], ""}));
    view.input = W("книги");
    random.script = {1};
    EXPECT_THROW(dialogue->AnswerPhrase(), EInOutError);
    EXPECT_EQ(dialogue->CurrentTema(), temaFilms);

    Start(); // the next start makes the file again
    EXPECT_TRUE(std::filesystem::exists(kLearned));
}
