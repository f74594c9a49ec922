#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <set>

// A draw of one half or more makes a target blue, so half the draws must.
TEST(ClockSeededRandom, DrawsAreEvenAndNeverRepeat)
{
    platform::ClockSeededRandom random;
    constexpr int kDraws = 20000;
    std::set<float> distinct;
    int upperHalf = 0;
    for (int i = 0; i < kDraws; ++i) {
        random.reseedFromClock();  // as often as the game does: before every draw
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0F && r < 1.0F) << r;
        distinct.insert(r);
        upperHalf += r >= 0.5F;
    }
    EXPECT_GT(distinct.size(), kDraws * 9 / 10) << "reseeding within one clock tick must not repeat draws";
    EXPECT_NEAR(upperHalf, kDraws / 2, kDraws / 20);
}
