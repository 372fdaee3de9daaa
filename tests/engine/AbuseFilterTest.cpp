#include "AbuseFilter.h"

#include <gtest/gtest.h>

#include "Cp1251Text.h"
#include "PhraseTables.h"

using namespace tolkar;

TEST(AbuseFilter, FindsTheFirstMatchingSlot)
{
    const PhraseTable words = FillPhraseTables().AbuseWords;
    struct Case
    {
        const char* phrase;
        int slot;
    };
    const Case cases[] = {
        {"Привет, как дела", 0},
        {"", 0},
        {"ты хуй", 1},
        {"Пошел домой", 0}, // "Пошел в" needs the space and the в
        {"Пошел в лес", 16},
        {"иди на кухню", 23},
        {"мы шли назад", 49}, // "зад" inside an ordinary word
        {"поселок", 36},      // "осел"
        {"свинец", 57},       // "свин"
        {"СУКА", 0},          // only the listed letter cases
        {"Shit happens", 32},
        {"SHIT", 0},
        {"дурак и хуй", 1}, // several words: the lowest slot is found
        {"ушастый", 60},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindAbuseWord(words, W(c.phrase)), c.slot) << c.phrase;
    }
}

TEST(AbuseFilter, EmptySlotsNeverMatch)
{
    const PhraseTable words = FillPhraseTables().AbuseWords;
    ASSERT_TRUE(words[10].empty());
    ASSERT_TRUE(words[11].empty());
    // If empty words matched, every phrase would stop at slot 10: find() finds an
    // empty needle everywhere.
    EXPECT_EQ(FindAbuseWord(words, "x"), 0);
    EXPECT_EQ(FindAbuseWord(words, ""), 0);
}
