#include <gtest/gtest.h>

#include "kit/core/random.h"

using tavek::RandomDraw;

TEST(RandomDraw, FirstDrawsFromSeedZero)
{
    RandomDraw r;
    EXPECT_EQ(r.draw(100), 0u);
    EXPECT_EQ(r.draw(100), 3u);
    EXPECT_EQ(r.draw(100), 86u);
}

TEST(RandomDraw, PercentageSequence)
{
    RandomDraw r;
    for (int expected : {73, 54, 72, 66, 72})
        EXPECT_EQ(r.percentage(), expected);
}

TEST(RandomDraw, ThirdPercentageNeedsTwoRounds)
{
    // Each round advances the seed by 100 steps whatever n is drawn below.
    RandomDraw r, probe;
    r.percentage();
    r.percentage();
    probe.percentage();
    probe.percentage();
    r.percentage();
    for (int i = 0; i < 200; ++i)
        probe.draw(1);
    EXPECT_EQ(r.seed(), probe.seed());
}

TEST(RandomDraw, AngleSequence)
{
    RandomDraw r;
    for (int expected : {45, 61, 71, 67, 38, 72})
        EXPECT_EQ(r.angle(), expected);
}

TEST(RandomDraw, DrawsShareOneSeed)
{
    RandomDraw r;
    r.percentage();
    EXPECT_NE(r.angle(), 45);
}

TEST(RandomDraw, RangesHoldOverManyDraws)
{
    RandomDraw r;
    for (int i = 0; i < 2000; ++i) {
        const int p = r.percentage();
        ASSERT_GE(p, 1);
        ASSERT_LE(p, 99);
        const int a = r.angle();
        ASSERT_GE(a, 26);
        ASSERT_LE(a, 88);
    }
}
