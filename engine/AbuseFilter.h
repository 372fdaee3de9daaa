#pragma once

#include <string_view>

#include "PhraseTable.h"

namespace tolkar {

// The slot (from 1) of the first abusive word found in the phrase, scanning the
// slots in order; 0 if the phrase is clean.
int FindAbuseWord(const PhraseTable& abuseWords, std::string_view phrase);

} // namespace tolkar
