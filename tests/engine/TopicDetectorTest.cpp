#include "TopicDetector.h"

#include <gtest/gtest.h>

#include "Cp1251Text.h"

using namespace tolkar;

TEST(TopicDetector, GroupsHoldTheirKeywordsInOrder)
{
    const auto& groups = TopicKeywordGroups();
    ASSERT_EQ(groups.size(), 7u);
    const Tema order[] = {temaSelf,      temaBooks, temaGames, temaWomen,
                          temaComputers, temaFilms, temaMusic};
    const int sizes[] = {16, 10, 25, 14, 37, 19, 28};
    int total = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(groups[g].tema, order[g]);
        EXPECT_EQ(groups[g].keywords.Size(), sizes[g]) << "group " << g;
        total += groups[g].keywords.Size();
        for (const std::string& keyword : groups[g].keywords.Entries()) {
            EXPECT_FALSE(keyword.empty());
        }
    }
    EXPECT_EQ(total, 149);
    EXPECT_EQ(groups[0].keywords[12], W("кто тебя сделал"));
    EXPECT_EQ(groups[6].keywords[24], "ra");
}

struct TopicCase
{
    const char* phrase;
    Tema before;
    Tema after;
};

void PrintTo(const TopicCase& c, std::ostream* os)
{
    *os << c.phrase;
}

class DetectTopicTest : public ::testing::TestWithParam<TopicCase>
{
};

TEST_P(DetectTopicTest, LastMatchingGroupWins)
{
    const TopicCase& c = GetParam();
    EXPECT_EQ(DetectTopic(W(c.phrase), c.before), c.after) << c.phrase;
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, DetectTopicTest,
    ::testing::Values(
        // No keyword: the topic stays.
        TopicCase{"Привет", temaGames, temaGames}, TopicCase{"как дела", temaFilms, temaFilms},
        TopicCase{"", temaBooks, temaBooks},
        // Several groups: the one tested last wins.
        TopicCase{"Расскажи про фильмы и музыку", temaSelf, temaMusic},
        TopicCase{"А ты любишь читать?", temaGames, temaBooks},
        TopicCase{"кто ты", temaMusic, temaSelf},
        // "ra" is a music keyword that hides inside Latin words.
        TopicCase{"Warcraft", temaSelf, temaMusic}, TopicCase{"crack", temaSelf, temaMusic},
        TopicCase{"program", temaSelf, temaMusic}, TopicCase{"strategy", temaSelf, temaMusic},
        TopicCase{"работы", temaBooks, temaSelf},
        // Stems inside other words.
        TopicCase{"страх", temaSelf, temaWomen}, TopicCase{"урок", temaSelf, temaMusic},
        TopicCase{"широкий", temaSelf, temaMusic}, TopicCase{"положение", temaSelf, temaWomen},
        TopicCase{"одеваться", temaSelf, temaWomen}, TopicCase{"считать", temaSelf, temaBooks},
        TopicCase{"выиграл", temaSelf, temaGames}, TopicCase{"компания", temaSelf, temaComputers},
        TopicCase{"попса", temaSelf, temaMusic},
        // Case matters.
        TopicCase{"память", temaGames, temaGames}, TopicCase{"Память", temaGames, temaComputers},
        TopicCase{"звездные войны", temaSelf, temaFilms},
        TopicCase{"Звездные войны", temaSelf, temaSelf}, TopicCase{"RAM", temaSelf, temaComputers},
        TopicCase{"ram", temaSelf, temaMusic}, TopicCase{"Doom", temaSelf, temaGames},
        TopicCase{"DOOM", temaBooks, temaBooks}));
