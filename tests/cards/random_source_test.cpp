#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cards/random_source.h"
#include "platform/testing.h"

namespace {

std::string sevenDigits(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    return text;
}

std::vector<int32_t> drawsOverDeck(int count) {
    std::vector<int32_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(randomBetween(0, 35));
    }
    return values;
}

bool sameState(const RandomState& a, const RandomState& b) {
    if (a.state1 != b.state1 || a.state2 != b.state2 || a.lastOut != b.lastOut) {
        return false;
    }
    for (int i = 0; i < 32; ++i) {
        if (a.shuffle[i] != b.shuffle[i]) {
            return false;
        }
    }
    return true;
}

class RandomSourceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        resetRandomState();
    }
    void TearDown() override { resetRandomState(); }
};

TEST_F(RandomSourceTest, StartsUnseeded) {
    randomState.state1 = 77;
    resetRandomState();
    EXPECT_EQ(randomState.state1, 0);
    EXPECT_EQ(randomState.state2, 123456789);
    EXPECT_EQ(randomState.lastOut, 0);
}

TEST_F(RandomSourceTest, SeedOneGivesTheKnownFirstThreeValues) {
    randomState.state1 = 1;
    EXPECT_EQ(sevenDigits(uniform()), "0.2853809");
    EXPECT_EQ(sevenDigits(uniform()), "0.2533582");
    EXPECT_EQ(sevenDigits(uniform()), "0.09346853");
}

TEST_F(RandomSourceTest, SeedsZeroAndMinusOneBuildTheSameTableAsOne) {
    randomState.state1 = 1;
    const float expected[3] = {uniform(), uniform(), uniform()};

    for (int32_t seed : {0, -1}) {
        resetRandomState();
        randomState.state1 = seed;
        for (float value : expected) {
            EXPECT_EQ(uniform(), value) << "seed " << seed;
        }
    }
}

TEST_F(RandomSourceTest, ClockSeedFormula) {
    platform_testing::setFixedClock(12, 34, 56, 789);
    seedFromClock();
    EXPECT_EQ(randomState.state1, 4187839);

    platform_testing::setFixedClock(23, 59, 59, 999);
    seedFromClock();
    EXPECT_EQ(randomState.state1, 10 * (5 * (100 * 59 + 23) + 59 + 59) + 4951 * 999);

    platform_testing::setFixedClock(0, 0, 0, 0);
    seedFromClock();
    EXPECT_EQ(randomState.state1, 0);
}

TEST_F(RandomSourceTest, ClockSeedGivesTheKnownTenPicksOverTheDeck) {
    platform_testing::setFixedClock(12, 34, 56, 789);
    seedFromClock();
    EXPECT_EQ(drawsOverDeck(10), (std::vector<int32_t>{30, 5, 15, 7, 35, 1, 27, 6, 28, 27}));
}

TEST_F(RandomSourceTest, UnseededPickSeedsFromTheClockFirst) {
    platform_testing::setFixedClock(12, 34, 56, 789);
    EXPECT_EQ(drawsOverDeck(3), (std::vector<int32_t>{30, 5, 15}));
}

TEST_F(RandomSourceTest, MidnightSeedOfZeroCountsAsOne) {
    platform_testing::setFixedClock(0, 0, 0, 0);
    seedFromClock();
    EXPECT_EQ(sevenDigits(uniform()), "0.2853809");
}

TEST_F(RandomSourceTest, LaterSeedChangesOnlyTheFirstState) {
    platform_testing::setFixedClock(12, 34, 56, 789);
    seedFromClock();
    uniform();
    const RandomState before = randomState;

    platform_testing::setFixedClock(1, 2, 3, 4);
    seedFromClock();
    EXPECT_EQ(randomState.state1, 10 * (5 * (100 * 3 + 1) + 2 + 3) + 4951 * 4);
    RandomState expected = before;
    expected.state1 = randomState.state1;
    EXPECT_TRUE(sameState(randomState, expected)) << "the shuffle table must survive a reseed";
}

TEST_F(RandomSourceTest, ValuesStayInsideTheOpenInterval) {
    randomState.state1 = 4187839;
    for (int i = 0; i < 20000; ++i) {
        const float u = uniform();
        ASSERT_GT(u, 0.0f);
        ASSERT_LE(u, 0.99999988079071044921875f);
    }
}

// With state2 0 the second generator stays at 0, so the output is exactly the
// shuffle entry at index 0 (lastOut 1 selects it).
void forceNextRawOutput(int32_t raw) {
    randomState.state1 = 1;
    randomState.state2 = 0;
    randomState.lastOut = 1;
    randomState.shuffle[0] = raw;
}

TEST_F(RandomSourceTest, OutputNearOneIsHeldAtTheCeiling) {
    forceNextRawOutput(2147483562);
    EXPECT_EQ(uniform(), 0.99999988079071044921875f);
}

TEST_F(RandomSourceTest, OutputBelowTheCeilingPassesUnchanged) {
    forceNextRawOutput(2147483000);
    const float u = uniform();
    EXPECT_LT(u, 0.99999988079071044921875f);
    EXPECT_EQ(u, static_cast<float>(2147483000.0 / 2147483563.0));
}

TEST_F(RandomSourceTest, CeilingNeverReachesPastTheUpperBound) {
    forceNextRawOutput(2147483562);
    EXPECT_EQ(randomBetween(0, 35), 35);
    forceNextRawOutput(2147483562);
    EXPECT_EQ(randomBetween(0, 51), 51);
    forceNextRawOutput(2147483562);
    EXPECT_EQ(randomBetween(10, 12), 12);
}

TEST_F(RandomSourceTest, PicksCoverTheWholeRangeAndNothingElse) {
    randomState.state1 = 4187839;
    std::vector<int> seen(36, 0);
    for (int i = 0; i < 5000; ++i) {
        const int32_t value = randomBetween(0, 35);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 35);
        seen[static_cast<size_t>(value)] += 1;
    }
    for (int value = 0; value < 36; ++value) {
        EXPECT_GT(seen[static_cast<size_t>(value)], 0) << "never picked " << value;
    }
}

TEST_F(RandomSourceTest, OffsetBoundsShiftThePick) {
    randomState.state1 = 4187839;
    const std::vector<int32_t> base = drawsOverDeck(5);
    resetRandomState();
    randomState.state1 = 4187839;
    for (int32_t value : base) {
        EXPECT_EQ(randomBetween(100, 135), value + 100);
    }
}

} // namespace
