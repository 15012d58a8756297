#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cards/random_source.h"
#include "platform/testing.h"

namespace {

constexpr float ceiling = 0.99999988079071044921875f;

std::string firstThree() {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        char value[32];
        std::snprintf(value, sizeof value, " %.7g", static_cast<double>(uniform()));
        text += value;
    }
    return text;
}

std::vector<int32_t> picks(int count, int32_t low = 0, int32_t high = 35) {
    std::vector<int32_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(randomBetween(low, high));
    }
    return values;
}

void seedAt(int hours, int minutes, int seconds, int millis) {
    platform_testing::setFixedClock(hours, minutes, seconds, millis);
    seedFromClock();
}

class RandomSourceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        resetRandomState();
    }
    void TearDown() override { resetRandomState(); }
};

TEST_F(RandomSourceTest, SeedsOneZeroMinusOneAndMidnightGiveTheKnownFirstValues) {
    for (int32_t seed : {1, 0, -1, 99}) {
        resetRandomState();
        randomState.state1 = seed;
        if (seed == 99) {
            seedAt(0, 0, 0, 0);
        }
        EXPECT_EQ(firstThree(), " 0.2853809 0.2533582 0.09346853") << "seed " << seed;
    }
}

TEST_F(RandomSourceTest, ClockSeedsOnlyTheFirstStateAndGivesTheKnownPicks) {
    seedAt(23, 59, 59, 999);
    EXPECT_EQ(randomState.state1, 10 * (5 * (100 * 59 + 23) + 59 + 59) + 4951 * 999);
    resetRandomState();
    seedAt(12, 34, 56, 789);
    EXPECT_EQ(randomState.state1, 4187839);
    EXPECT_EQ(picks(10), (std::vector<int32_t>{30, 5, 15, 7, 35, 1, 27, 6, 28, 27}));
    const RandomState before = randomState;
    seedAt(1, 2, 3, 4);
    EXPECT_EQ(randomState.state1, 10 * (5 * (100 * 3 + 1) + 2 + 3) + 4951 * 4);
    EXPECT_EQ(randomState.state2, before.state2);
    EXPECT_EQ(randomState.lastOut, before.lastOut);
    EXPECT_TRUE(std::equal(before.shuffle, before.shuffle + 32, randomState.shuffle));
    resetRandomState();
    platform_testing::setFixedClock(12, 34, 56, 789);
    EXPECT_EQ(picks(3, 100, 135), (std::vector<int32_t>{130, 105, 115})) << "unseeded seeds first";
}

// With state2 0 the second generator stays at 0, so the output is exactly the
// shuffle entry at index 0 (lastOut 1 selects it).
void forceNextRawOutput(int32_t raw) {
    randomState.state1 = 1;
    randomState.state2 = 0;
    randomState.lastOut = 1;
    randomState.shuffle[0] = raw;
}

TEST_F(RandomSourceTest, OutputNearOneIsHeldAtTheCeilingAndPicksStayInBounds) {
    forceNextRawOutput(2147483000);
    EXPECT_EQ(uniform(), static_cast<float>(2147483000.0 / 2147483563.0));
    forceNextRawOutput(2147483562);
    EXPECT_EQ(uniform(), ceiling);
    for (auto [low, high] : {std::pair{0, 35}, std::pair{0, 51}, std::pair{10, 12}}) {
        forceNextRawOutput(2147483562);
        EXPECT_EQ(randomBetween(low, high), high);
    }
}

} // namespace
