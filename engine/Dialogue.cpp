#include "Dialogue.h"

#include <vector>

#include "AbuseFilter.h"
#include "Cp1251.h"
#include "KeywordMatch.h"
#include "TopicDetector.h"

namespace tolkar {
namespace {

struct FixedAnswer
{
    PhraseTable triggers;
    std::string reply;
};

// Tested in this order; the first that matches answers.
const std::vector<FixedAnswer>& FixedAnswers()
{
    static const std::vector<FixedAnswer> answers = {
        {{"Да."},
         Utf8ToCp1251(R"(Что "Да"? Ты со мной согласен? Это приятно... Давай, все же, о чем-то )"
                      R"(более конкретном поговорим...)")},
        {{"Нет."},
         Utf8ToCp1251("Нет? Я что-то не так говорю? Если не согласен, аргументируй - ближе к "
                      "делу!")},
        {{"Vorkast", "vorkast"},
         Utf8ToCp1251("Vorkast - это РУЛЕЗ ФОРЭВА! :-) На момент написания этой проги еще не "
                      "вышел ARCANUM, но, знаешь ли, жду его с нетерпением!")},
        {{"Starcraft", "starcraft"},
         Utf8ToCp1251("Starcraft - это тоже КУЛЛ! Я не успокоился, пока не прошел его в свое "
                      "время вдоль и поперек.")},
    };
    return answers;
}

const PhraseTable& FarewellWords()
{
    static const PhraseTable words = {
        "Пока", "пока", "до свидания", "До свид", "Я пош", "я пощ", "надо ид", "до свид",
    };
    return words;
}

const std::string& FarewellReply()
{
    static const std::string reply = Utf8ToCp1251(
        "Уже уходишь? Какая жалость! Только разговор начали! Ну ладно, ты возвращайся скорее!");
    return reply;
}

const std::string& EchoPrefix()
{
    static const std::string prefix = Utf8ToCp1251("ТЫ: ");
    return prefix;
}

bool ContainsAny(std::string_view phrase, const PhraseTable& keywords)
{
    for (const std::string& keyword : keywords.Entries()) {
        if (ContainsKeyword(phrase, keyword)) {
            return true;
        }
    }
    return false;
}

} // namespace

Dialogue::Dialogue(DialogView& view, RandomSource& random, LearnedPhraseFile learnedPhrases)
    : view_(view), random_(random), learnedPhrases_(std::move(learnedPhrases))
{
    DialogStarted_ = false;
    tables_ = FillPhraseTables();
}

std::string Dialogue::WarningText()
{
    return Utf8ToCp1251("Может все таки что-нибудь скажете,\rили начнете новый диалог?");
}

void Dialogue::StartDialogue()
{
    learnedPhrases_.FileCheck();
    view_.ClearLines();
    view_.EnableView();
    random_.Randomize();
    AppendWithEmptyLine(tables_.Greetings[PickIndex(random_, tables_.Greetings.Size())]);
    view_.SetInputEnabled(true);
    view_.EnableSay();
    view_.EnableSave();
    view_.StartTimer();
    view_.ClearInputText();
    DialogStarted_ = true;
    Tema_ = temaGreeted;
    view_.FocusInput();
}

void Dialogue::AnswerPhrase()
{
    const std::string input = view_.InputText();
    if (input.empty() || !DialogStarted_) {
        view_.ShowWarning(WarningText());
        return;
    }
    AppendWithEmptyLine(EchoPrefix() + input);
    Phrase_ = input;
    view_.ClearInputText();
    if (Tema_ == temaNone) {
        view_.FocusInput();
        return;
    }

    random_.Randomize();
    if (ReplyIfAbusive()) {
        return;
    }
    RecordIfLearnable();
    if (ReplyIfFixedAnswer() || ReplyIfFarewell() || ReplyIfRecalled()) {
        return;
    }
    if (IsTopic(Tema_)) {
        TemaCheck();
    }
    if (Tema_ == temaGreeted) {
        Tema_ = temaSelf;
        AppendWithEmptyLine(
            tables_.Introductions[PickIndex(random_, tables_.Introductions.Size())]);
        return;
    }
    const PhraseTable& replies = TopicTable();
    AppendWithEmptyLine(replies[PickIndex(random_, replies.Size())]);
    view_.FocusInput();
}

bool Dialogue::ReplyIfAbusive()
{
    if (FindAbuseWord(tables_.AbuseWords, Phrase_) == 0) {
        return false;
    }
    AppendWithEmptyLine(tables_.AbuseReplies[PickIndex(random_, tables_.AbuseReplies.Size())]);
    return true;
}

void Dialogue::RecordIfLearnable()
{
    // The first phrase after a greeting is only the user's name: not worth learning.
    if (IsTopic(Tema_) && Phrase_.find(' ') != std::string::npos) {
        learnedPhrases_.Record(Phrase_);
    }
}

bool Dialogue::ReplyIfFixedAnswer()
{
    for (const FixedAnswer& answer : FixedAnswers()) {
        if (ContainsAny(Phrase_, answer.triggers)) {
            view_.AppendLine(answer.reply);
            return true;
        }
    }
    return false;
}

bool Dialogue::ReplyIfFarewell()
{
    if (!ContainsAny(Phrase_, FarewellWords())) {
        return false;
    }
    view_.AppendLine(FarewellReply());
    Tema_ = temaNone;
    view_.SetInputEnabled(false);
    return true;
}

bool Dialogue::ReplyIfRecalled()
{
    constexpr int kRecallChances = 3;
    if (!IsTopic(Tema_) || random_.Random(kRecallChances) != 1) {
        return false;
    }
    learnedPhrases_.Recall(random_, RecalledPhrase_);
    if (RecalledPhrase_.empty()) {
        return false;
    }
    AppendWithEmptyLine(RecalledPhrase_);
    return true;
}

void Dialogue::TemaCheck()
{
    Tema_ = DetectTopic(Phrase_, Tema_);
}

const PhraseTable& Dialogue::TopicTable() const
{
    switch (Tema_) {
    case temaBooks:
        return tables_.BookReplies;
    case temaGames:
        return tables_.GameReplies;
    case temaWomen:
        return tables_.WomenReplies;
    case temaComputers:
        return tables_.ComputerReplies;
    case temaFilms:
        return tables_.FilmReplies;
    case temaMusic:
        return tables_.MusicReplies;
    default:
        return tables_.SelfReplies;
    }
}

void Dialogue::AppendWithEmptyLine(const std::string& line)
{
    view_.AppendLine(line);
    view_.AppendLine({});
}

} // namespace tolkar
