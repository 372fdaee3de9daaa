#include "AbuseFilter.h"

#include "KeywordMatch.h"

namespace tolkar {

int FindAbuseWord(const PhraseTable& abuseWords, std::string_view phrase)
{
    for (int slot = 1; slot <= abuseWords.Size(); ++slot) {
        if (ContainsKeyword(phrase, abuseWords[slot])) {
            return slot;
        }
    }
    return 0;
}

} // namespace tolkar
