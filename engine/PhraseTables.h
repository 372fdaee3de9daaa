#pragma once

#include "PhraseTable.h"

namespace tolkar {

// The character's built-in replies and the abusive words, filled once at start-up.
struct PhraseTables
{
    PhraseTable Greetings;
    PhraseTable Introductions;
    PhraseTable SelfReplies;
    PhraseTable BookReplies;
    PhraseTable ComputerReplies;
    PhraseTable MusicReplies;
    PhraseTable FilmReplies;
    PhraseTable GameReplies;
    PhraseTable WomenReplies;
    PhraseTable AbuseWords;
    PhraseTable AbuseReplies;
};

PhraseTables FillPhraseTables();

} // namespace tolkar
