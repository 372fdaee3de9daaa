#pragma once

#include <string_view>
#include <vector>

#include "PhraseTable.h"
#include "Tema.h"

namespace tolkar {

struct KeywordGroup
{
    Tema tema;
    PhraseTable keywords;
};

// The seven topic keyword groups, in the order they are tested.
const std::vector<KeywordGroup>& TopicKeywordGroups();

// Every group is tested and a later match overwrites an earlier one, so the
// topic of the last matching group wins; with no match the topic stays.
Tema DetectTopic(std::string_view phrase, Tema current);

} // namespace tolkar
