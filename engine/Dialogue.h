#pragma once

#include <string>

#include "DialogView.h"
#include "LearnedPhraseFile.h"
#include "PhraseTables.h"
#include "RandomSource.h"
#include "Tema.h"

namespace tolkar {

// The conversation: its state and the two operations of the window, starting a
// dialogue and answering the phrase in the input line. Every effect goes through
// the view, every draw through the random source, in a fixed order.
class Dialogue
{
  public:
    // Clears DialogStarted and fills the phrase tables.
    Dialogue(DialogView& view, RandomSource& random,
             LearnedPhraseFile learnedPhrases = LearnedPhraseFile());

    void StartDialogue();
    // Throws EInOutError when the learned-phrase file fails; what was done stays.
    void AnswerPhrase();

    Tema CurrentTema() const { return Tema_; }
    bool DialogStarted() const { return DialogStarted_; }
    const std::string& Phrase() const { return Phrase_; }
    const std::string& RecalledPhrase() const { return RecalledPhrase_; }
    const PhraseTables& Tables() const { return tables_; }

    // The guard's warning, two lines split by a carriage return.
    static std::string WarningText();

  private:
    bool ReplyIfAbusive();
    void RecordIfLearnable();
    bool ReplyIfFixedAnswer();
    bool ReplyIfFarewell();
    bool ReplyIfRecalled();
    void TemaCheck();
    const PhraseTable& TopicTable() const;
    void AppendWithEmptyLine(const std::string& line);

    DialogView& view_;
    RandomSource& random_;
    LearnedPhraseFile learnedPhrases_;
    PhraseTables tables_;

    Tema Tema_ = temaNone;
    bool DialogStarted_ = false;
    std::string Phrase_;
    std::string RecalledPhrase_;
};

} // namespace tolkar
