#include <map>

#include <gtest/gtest.h>

#include "RandomSource.h"
#include "ScriptedRandom.h"

using tolkar::PickIndex;

TEST(PickIndex, ZeroCountsAsOneAndTheDrawCoversNPlusOneValues)
{
    ScriptedRandom random;
    random.script = {0, 1, 2, 10};
    EXPECT_EQ(PickIndex(random, 10), 1);
    EXPECT_EQ(PickIndex(random, 10), 1);
    EXPECT_EQ(PickIndex(random, 10), 2);
    EXPECT_EQ(PickIndex(random, 10), 10);
    EXPECT_EQ(random.log, (std::vector<std::string>{"draw 11", "draw 11", "draw 11", "draw 11"}));
}

TEST(PickIndex, EmptyTableStillDrawsAndGivesOne)
{
    ScriptedRandom random;
    random.script = {0};
    EXPECT_EQ(PickIndex(random, 0), 1);
    EXPECT_EQ(random.log, std::vector<std::string>{"draw 1"});
}

TEST(PickIndex, WithTheClockGeneratorEntryOneIsTwiceAsLikely)
{
    tolkar::ClockRandom random;
    random.Randomize();
    constexpr int n = 10;
    constexpr int draws = 110000;
    std::map<std::int64_t, int> counts;
    for (int i = 0; i < draws; ++i) {
        const std::int64_t index = PickIndex(random, n);
        ASSERT_GE(index, 1);
        ASSERT_LE(index, n);
        ++counts[index];
    }
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(n));
    // Expected 20000 for entry 1 and 10000 for each other; allow six standard deviations.
    EXPECT_NEAR(counts[1], 20000, 800);
    for (int i = 2; i <= n; ++i) {
        EXPECT_NEAR(counts[i], 10000, 600) << "entry " << i;
    }
}
